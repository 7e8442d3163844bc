// The configuration files of the File menu: "Open configuration…", "Save configuration…" and
// "Save EDS file…", with or without a module connected. A file is applied through the rules
// of "Setting", "Set" and the object editor; the windows then show it, and the editor, the
// EDS window and Finish take it into the connected module as if it had been typed.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "ui/common/session.h"

class QAction;
class QMenu;
class QWidget;

namespace q4410::ui {

class ConfigFileMenu : public QObject {
 public:
  struct WindowHooks {
    std::function<bool()> moduleConnected;
    std::function<void()> showConfiguration;  // the settings views show the record afresh
    std::function<void(const std::string&)> setStatus;
  };

  // Puts the three items into `menu` before `before`.
  ConfigFileMenu(QWidget* window, Session& session, QMenu* menu, QAction* before,
                 WindowHooks hooks);

  void OpenConfiguration();
  void SaveConfiguration();
  void SaveEdsFile();

  // Opens `path` without asking for it. False when the file was refused (nothing changed).
  bool Open(const std::string& path);

 private:
  bool Busy();
  std::string Folder(const char* key, const std::string& otherwise) const;
  void Remember(const char* key, const std::string& path);
  // The record as the windows hold it, for a file: the objects of the editor when it is
  // loaded, else the ones read or opened; the EDS texts typed or opened last.
  ParaDef Snapshot(bool workingTable) const;

  QWidget* window_;
  Session& session_;
  WindowHooks hooks_;
};

}  // namespace q4410::ui
