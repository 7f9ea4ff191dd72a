#include "ControlFactory.h"

#include "Bevel.h"
#include "FlatButton.h"
#include "FlatEdit.h"
#include "FlatRadioButton.h"
#include "FlatSpeedButton.h"
#include "Image.h"
#include "Label.h"
#include "StatusBar.h"
#include "XPGroupBox.h"

namespace winui {

std::unique_ptr<Control> MakeControl(Form& form, const ControlRecord& record, Control* parent) {
  switch (record.kind) {
    case ControlKind::Label:
      return std::make_unique<Label>(form, record, parent);
    case ControlKind::Bevel:
      return std::make_unique<Bevel>(form, record, parent);
    case ControlKind::StatusBar:
      return std::make_unique<StatusBar>(form, record, parent);
    case ControlKind::FlatButton:
      return std::make_unique<FlatButton>(form, record, parent);
    case ControlKind::FlatSpeedButton:
      return std::make_unique<FlatSpeedButton>(form, record, parent);
    case ControlKind::FlatEdit:
      return std::make_unique<FlatEdit>(form, record, parent);
    case ControlKind::FlatRadioButton:
      return std::make_unique<FlatRadioButton>(form, record, parent);
    case ControlKind::XPGroupBox:
      return std::make_unique<XPGroupBox>(form, record, parent);
    case ControlKind::Image:
      return std::make_unique<Image>(form, record, parent);
  }
  return nullptr;
}

}  // namespace winui
