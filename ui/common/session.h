// What every window is handed: the one configuration record, the link to the module (serial
// port, the console's clock and event pump, busy flag, ports found), the message boxes, where
// the EDS file goes, and the window flow.
#pragma once

#include <string>
#include <vector>

#include "config/para_def.h"
#include "link/link.h"
#include "ui/common/message_boxes.h"
#include "ui/common/window_flow.h"

class QWidget;

namespace q4410::ui {

struct Session {
  ParaDef& rec;
  Link link;
  MessageBoxes& boxes;
  std::string edsDirectory;             // the program's directory unless told otherwise
  std::vector<std::string> extraPorts;  // --port devices, listed first
  WindowFlow* flow = nullptr;
};

// Event pump for windows: processes pending events, then waits briefly for more.
ConsoleEnv WindowConsoleEnv();

// Centres a top-level window on its screen.
void CentreOnScreen(QWidget* window);

}  // namespace q4410::ui
