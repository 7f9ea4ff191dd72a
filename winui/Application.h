#pragma once
// The application: owns every form for the whole run, the first one created
// being the main form, and the one hint window; runs the message loop
// until the main form is gone.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Form.h"
#include "HintWindow.h"

namespace winui {

class Application {
 public:
  explicit Application(HINSTANCE instance = GetModuleHandleW(nullptr));
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  HINSTANCE instance() const { return instance_; }
  // Caption of message boxes; by default the program file's name without
  // its extension.
  std::string title;

  template <class T, class... Args>
  T& CreateForm(Args&&... args) {
    auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& created = *form;
    forms_.push_back(std::move(form));
    return created;
  }
  Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }
  Form* FindForm(std::string_view name) const;

  // Shows the main form and handles messages until it is gone.
  int Run();
  // Handles the messages waiting now, then returns.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }

  HintWindow& hints() { return hints_; }

  // Forms built from now on are laid out as if at this dpi (tests of scaling).
  void OverrideDpi(UINT dpi) { dpiOverride_ = dpi; }
  UINT dpiOverride() const { return dpiOverride_; }

 private:
  void Dispatch(MSG& message);
  HINSTANCE instance_;
  // Forms go before the hint window, in reverse order of creation.
  HintWindow hints_;
  std::vector<std::unique_ptr<Form>> forms_;
  bool terminated_ = false;
  UINT dpiOverride_ = 0;
};

}  // namespace winui
