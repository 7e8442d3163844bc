// What the connect reports, turned into the main window's progress bar, status line,
// message boxes and module picture.
#pragma once

#include "link/connect_procedure.h"

namespace q4410::ui {

class Main_F;

class MainConnectObserver : public ConnectObserver {
 public:
  explicit MainConnectObserver(Main_F& window) : window_(window) {}
  void Started() override;
  void ModuleShown(int controllerKind) override;
  void LinkReleased() override;
  void ShowMessage(const std::string& text, const std::string& title) override;
  void ShowFailure(const std::string& text, const std::string& title,
                   const std::string& detail) override;
  void SetStatus(const std::string& text) override;
  void SetFailureStatus(const std::string& text, const std::string& detail) override;
  void Progress(int value) override;

 private:
  Main_F& window_;
};

}  // namespace q4410::ui
