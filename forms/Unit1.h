#pragma once
// The main window: pick a file, see the source and target names, choose the
// direction, convert.
#include <string>

#include "Application.h"
#include "ConverterCommand.h"
#include "FlatEdit.h"
#include "FlatRadioButton.h"
#include "Form.h"
#include "OpenDialog.h"

class TForm1 : public winui::Form {
 public:
  explicit TForm1(winui::Application& application);

  void Create_(winui::Component& Sender);
  void FlatSpeedButton1Click(winui::Component& Sender);
  void Change_(winui::Component& Sender);
  void FlatButton1Click(winui::Component& Sender);
  void FlatButton2Click(winui::Component& Sender);
  void N4Click(winui::Component& Sender);
  void N6Click(winui::Component& Sender);
  void N7Click(winui::Component& Sender);
  void N2Click(winui::Component& Sender);
  void About1Click(winui::Component& Sender);

  winui::FlatEdit* FlatEdit1 = nullptr;
  winui::FlatEdit* FlatEdit2 = nullptr;
  winui::FlatRadioButton* FlatRadioButton1 = nullptr;
  winui::FlatRadioButton* FlatRadioButton2 = nullptr;
  winui::OpenDialog OpenDialog1;

 protected:
  winui::Event Handler(std::string_view name) override;

 private:
  ConversionDirection Direction() const;
  void Convert();
  void StartConverter(const std::string& parameters);
};
