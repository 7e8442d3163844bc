// The application object: owns the one configuration record, the serial trace and the
// serial port that feeds it, the message boxes, the remembered settings, the file dialogs, the
// session handed to every window, the windows and the console log.
#pragma once

#include <memory>

#include "app/command_line.h"
#include "config/para_def.h"
#include "link/qt_serial_port.h"
#include "link/serial_trace.h"
#include "link/traced_port.h"
#include "ui/common/console_log_window.h"
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
  // `trace` records the serial line (--trace); the console log shows it.
  Application(const StartOptions& options, std::unique_ptr<SerialTrace> trace);

  // Splash, the start-up pause, then the main window; returns when the main window has
  // closed after its query.
  int Run();

 private:
  ParaDef rec_;
  std::unique_ptr<SerialTrace> trace_;
  QtSerialPort qtPort_;
  TracedPort port_{qtPort_, trace_.get()};
  ui::QtMessageBoxes boxes_;
  std::unique_ptr<ui::SettingsStore> settings_;
  ui::QtFileDialogs files_;
  ui::Session session_;
  ui::WindowManager windows_;
  // Records from the first byte, shown or not; destroyed before the trace it listens to.
  std::unique_ptr<ui::ConsoleLogWindow> consoleLog_;
};

}  // namespace q4410::app
