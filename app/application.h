// The application object: owns the one configuration record, the serial port, the message
// boxes, the remembered settings, the file dialogs, the session handed to every window, and
// the windows.
#pragma once

#include <memory>

#include "app/command_line.h"
#include "config/para_def.h"
#include "link/qt_serial_port.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_boxes.h"
#include "ui/common/session.h"
#include "ui/common/settings_store.h"
// The window manager's accessors need the complete window types.
#include "ui/canopen/copeds_f.h"
#include "ui/canopen/show_pdo.h"
#include "ui/main/main_f.h"
#include "ui/objects/io_app_obj_set_modbus.h"
#include "ui/objects/show_app_obj.h"
#include "ui/objects/show_module.h"
#include "ui/window_manager.h"

namespace q4410::app {

class Application {
 public:
  explicit Application(const StartOptions& options);

  // Splash, the start-up pause, then the main window; returns when the main window has
  // closed after its query.
  int Run();

 private:
  ParaDef rec_;
  QtSerialPort port_;
  ui::QtMessageBoxes boxes_;
  std::unique_ptr<ui::SettingsStore> settings_;
  ui::QtFileDialogs files_;
  ui::Session session_;
  ui::WindowManager windows_;
};

}  // namespace q4410::app
