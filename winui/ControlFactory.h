#pragma once
// The control object for a record's kind.
#include <memory>

#include "Control.h"

namespace winui {

std::unique_ptr<Control> MakeControl(Form& form, const ControlRecord& record, Control* parent);

}  // namespace winui
