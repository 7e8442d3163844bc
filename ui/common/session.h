// What every window is handed: the one configuration record, the serial port, the message
// boxes, the console's clock and event pump, where the EDS file goes, and the window flow.
#pragma once

#include <string>
#include <vector>

#include "config/para_def.h"
#include "link/console_env.h"
#include "link/serial_port.h"
#include "ui/common/message_boxes.h"
#include "ui/common/window_flow.h"

class QWidget;

namespace q4410::ui {

struct Session {
  ParaDef& rec;
  SerialPort& port;
  MessageBoxes& boxes;
  ConsoleEnv env;
  std::string edsDirectory;             // the program's directory unless told otherwise
  std::vector<std::string> extraPorts;  // --port devices, listed first
  WindowFlow* flow = nullptr;
};

// Event pump for windows: processes pending events, then waits briefly for more.
ConsoleEnv WindowConsoleEnv();

// Centres a top-level window on its screen.
void CentreOnScreen(QWidget* window);

}  // namespace q4410::ui
