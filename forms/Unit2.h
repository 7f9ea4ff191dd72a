#pragma once
// The about window: frameless, cut to the outline of its picture, dragged
// by its bare surface; the web address and the mail link go to the shell;
// "X" and the right-click "Выход" hide it until About shows it again.
#include <windows.h>

#include "Application.h"
#include "Form.h"
#include "Image.h"
#include "Label.h"

class TForm2 : public winui::Form {
 public:
  explicit TForm2(winui::Application& application);

  // The left button went down on the bare surface and has not come up yet;
  // DragX, DragY: where, in client pixels.
  bool Dragging = false;
  int DragX = 0;
  int DragY = 0;

  winui::Image* Image1 = nullptr;
  winui::Image* Image2 = nullptr;
  winui::Label* Label1 = nullptr;
  winui::Label* Label6 = nullptr;

  void FormCreate(winui::Component& Sender);
  void FormPaint(winui::Component& Sender, HDC Canvas);
  void FormMouseDown(winui::Component& Sender, winui::MouseButton Button, WPARAM Shift, int X, int Y);
  void FormMouseMove(winui::Component& Sender, WPARAM Shift, int X, int Y);
  void FormMouseUp(winui::Component& Sender, winui::MouseButton Button, WPARAM Shift, int X, int Y);
  void Move(winui::Component& Sender);
  void MoveMail(winui::Component& Sender);
  void Click_Site(winui::Component& Sender);
  void Click_Mail(winui::Component& Sender);
  void SpeedButton1Click(winui::Component& Sender);
  void N2Click(winui::Component& Sender);

 protected:
  winui::Event Handler(std::string_view name) override;
  void OnPaint(HDC dc, const RECT& dirty) override;
  void OnMouseDown(winui::MouseButton button, WPARAM keys, int x, int y) override;
  void OnMouseMove(WPARAM keys, int x, int y) override;
  void OnMouseUp(winui::MouseButton button, WPARAM keys, int x, int y) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};
