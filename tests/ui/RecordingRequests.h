#pragma once
// Stands in for the system: keeps every shell request, message box and
// open-file dialog that would have gone out, and answers the dialog with a
// chosen path (or a cancel).
#include <optional>
#include <string>
#include <vector>

#include "SystemRequests.h"

struct RecordingRequests : winui::SystemRequests {
  std::vector<winui::ShellRequest> shell;
  std::vector<winui::MessageRequest> messages;
  std::vector<winui::OpenFileRequest> dialogs;
  std::optional<std::wstring> chosenFile;  // none: the user cancels

  void Shell(const winui::ShellRequest& request) override { shell.push_back(request); }
  int Message(const winui::MessageRequest& request) override {
    messages.push_back(request);
    return IDOK;
  }
  std::optional<std::wstring> OpenFile(const winui::OpenFileRequest& request) override {
    dialogs.push_back(request);
    return chosenFile;
  }
};
