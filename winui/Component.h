#pragma once
// Named parts of a form (controls, menu items) and the events they fire.
#include <functional>
#include <string>

namespace winui {

class Component {
 public:
  explicit Component(std::string name) : name_(std::move(name)) {}
  virtual ~Component() = default;
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

// A handler of a form: receives the component that fired it.
using Event = std::function<void(Component& sender)>;

}  // namespace winui
