// Owns the windows of the utility and loads, shows, hides and unloads them on request.
// Unloading hides the window and deletes it later, since a dialogue that pumps events may
// still be running inside one of its handlers.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/common/session.h"
#include "ui/common/window_flow.h"

namespace q4410::ui {

class Main_F;
class IOAppObjSetModbus;
class COPEDS_F;
class ShowModule;
class ShowAppObj;
class ShowPDO;

class WindowManager : public WindowFlow {
 public:
  explicit WindowManager(Session& session);
  ~WindowManager() override;

  // Loads the main window (not shown yet).
  Main_F* LoadMain();
  // The windows loaded now; null when not loaded.
  Main_F* main() const;
  IOAppObjSetModbus* editor() const;
  COPEDS_F* edsWindow() const;
  ShowModule* showModule() const;
  ShowAppObj* showAppObj() const;
  ShowPDO* showPdo() const;

  void ShowMain() override;
  void HideMain() override;
  void OpenEditor() override;
  void ShowEditor() override;
  void HideEditor() override;
  void UnloadEditor() override;
  void OpenEdsWindow() override;
  void UnloadEdsWindow() override;
  void OpenShowModule() override;
  void OpenShowAppObj() override;
  void OpenShowPdo() override;
  void UnloadViewers() override;
  void UnloadAllButMain() override;
  void SetMainStatus(const std::string& text) override;
  std::string SelectedPort() const override;
  std::string ConnectedPort() const override;

 private:
  Session& session_;
  QPointer<Main_F> main_;
  QPointer<IOAppObjSetModbus> editor_;
  QPointer<COPEDS_F> eds_;
  QPointer<ShowModule> showModule_;
  QPointer<ShowAppObj> showAppObj_;
  QPointer<ShowPDO> showPdo_;
};

}  // namespace q4410::ui
