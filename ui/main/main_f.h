// Main_F, "General Setting": the link controls, the module picture with its port buttons, the
// CAN and COM views, and the way on to the application object editor. It keeps no
// configuration of its own; everything lives in the session's record.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <string>

#include "ui/common/session.h"
#include "ui/main/can_view.h"
#include "ui/main/com_view.h"
#include "ui/main/link_area.h"
#include "ui/main/module_area.h"

class QAction;

namespace q4410::ui {

class MainConnectObserver;

class Main_F : public QMainWindow {
  Q_OBJECT
 public:
  // Loads the window: builds it, puts the record into its start-up state, lists the ports.
  explicit Main_F(Session& session, QWidget* parent = nullptr);

  // True after a successful connect.
  bool ModuleConnected() const { return moduleConnected_; }
  // The port the configuration was read from; empty until a connect succeeds.
  const std::string& ConnectedPort() const { return connectedPort_; }
  // The port button shown pressed: 0 CAN, 1 COM, 3 none.
  int SelectedPortButton() const { return selectedPortButton_; }

  void Connect_Click();
  void ResetWindowLayout();
  void ReleaseSerialLink();
  void ApplicationSelect_Click(int index);
  void ComButton_MouseDown(int index);
  void CreateMBDevice_Click();
  void SettingCANParameter_Click();
  void SettingCOMParameter_Click();
  void About_Click();
  // View > "Console log": shows the serial trace's window, or raises it.
  void ShowConsoleLog();
  // The settings views show the record afresh (after a configuration file was opened); without
  // a module, the module picture of the file's controller with its port buttons comes too.
  void ShowConfiguration();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class MainConnectObserver;

  void BuildWindow();
  int TallerViewHeight(QWidget* views);
  void BuildMenus();
  void Load();
  void SetStatus(const QString& text);
  void SetStatusBold(bool bold);
  void SetLinkControlsEnabled(bool enabled);
  // Forgets the module read last: not connected, layout reset, its windows unloaded.
  void EndConnection();
  // The connect's steps on the window's side.
  void ConnectStarted();
  void ConnectProgress(int value);
  void ModuleShown(int controllerKind);

  Session& session_;
  LinkArea link_;
  ModuleArea module_;
  CanView can_;
  ComView com_;
  QPushButton* CreateMBDevice_ = nullptr;
  QPushButton* EixtProgram_ = nullptr;
  QAction* ExitProgram_ = nullptr;
  QAction* About_ = nullptr;
  QPointer<QWidget> about_;
  bool moduleConnected_ = false;
  std::string connectedPort_;
  int selectedPortButton_ = 3;
  bool connecting_ = false;  // between the start of a connect and its end
  bool consoleLogPlaced_ = false;
};

}  // namespace q4410::ui
