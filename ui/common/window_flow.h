// Loading, showing and unloading the windows. Windows never create each other; they ask
// the flow, which owns them.
#pragma once

#include <string>

namespace q4410::ui {

class WindowFlow {
 public:
  virtual ~WindowFlow() = default;
  virtual void ShowMain() = 0;
  virtual void HideMain() = 0;
  // IOAppObjSetModbus: load (a fresh window) and show; hide; unload.
  virtual void OpenEditor() = 0;
  virtual void ShowEditor() = 0;  // show the loaded one with the table as edited, else load
  virtual void HideEditor() = 0;
  virtual void UnloadEditor() = 0;
  // COPEDS_F: load and show; unload.
  virtual void OpenEdsWindow() = 0;
  virtual void UnloadEdsWindow() = 0;
  // The viewers: load (rebuilding their grids) and show, modeless.
  virtual void OpenShowModule() = 0;
  virtual void OpenShowAppObj() = 0;
  virtual void OpenShowPdo() = 0;
  virtual void UnloadViewers() = 0;
  // Every window but the main window.
  virtual void UnloadAllButMain() = 0;
  // For the download window: the main window's status line, the PC port selected there now
  // and the port the configuration was read from (each empty when none).
  virtual void SetMainStatus(const std::string& text) { (void)text; }
  virtual std::string SelectedPort() const { return {}; }
  virtual std::string ConnectedPort() const { return {}; }
};

}  // namespace q4410::ui
