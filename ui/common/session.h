// What every window is handed: the one configuration record, the link to the module (serial
// port, the console's clock and event pump, busy flag, ports found), the message boxes, where
// the EDS file goes, and the window flow; then, where the program has them, the remembered
// settings and the file dialogs.
#pragma once

#include <QPointer>
#include <array>
#include <string>
#include <vector>

#include "config/para_def.h"
#include "link/link.h"
#include "ui/common/message_boxes.h"
#include "ui/common/window_flow.h"

class QWidget;

namespace q4410::ui {

class FileDialogs;
class SettingsStore;

struct Session {
  ParaDef& rec;
  Link link;
  MessageBoxes& boxes;
  // The folder the EDS file goes to, chosen in this run (--eds-dir or a folder picked in a
  // window); empty: the one remembered, else the default (download_choices.h).
  std::string edsDirectory;
  std::vector<std::string> extraPorts;  // --port devices, listed first
  WindowFlow* flow = nullptr;
  SettingsStore* settings = nullptr;  // null: nothing is remembered
  FileDialogs* files = nullptr;       // null: the File menu's file actions do nothing
  QWidget* consoleLog = nullptr;      // the "Console log" window; null: none
  // The EDS texts of the configuration file opened last (description, created by): the EDS
  // window starts with them instead of empty texts.
  std::array<std::string, 2> fileEdsTexts{};
};

// A message from a window's own action. While a dialogue with the module runs it must not
// wait for OK (the console's reply window would pass meanwhile), so it is then shown without
// waiting; otherwise it waits as usual.
void ShowMessage(Session& session, QWidget* parent, const std::string& text,
                 const std::string& title);

// Event pump for windows: processes pending events, then waits briefly for more.
ConsoleEnv WindowConsoleEnv();

// Height of a window manager's title bar, reserved above a window that is not on screen yet.
inline constexpr int kTitleBarAllowance = 30;

// Centres a top-level window on its screen, kept inside the screen's free area; a window
// larger than that area is made smaller first where it can be.
void CentreOnScreen(QWidget* window);

// The busy cursor over a window for as long as this object lives.
class BusyCursor {
 public:
  explicit BusyCursor(QWidget* window);
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  QPointer<QWidget> window_;
};

}  // namespace q4410::ui
