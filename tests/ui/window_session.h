// The windows on a session of their own for the window tests: our own record, the real serial
// port, recording message boxes, queued file dialogs, a fresh folder for the EDS files and the
// real window flow. Controls are found by name.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "config/para_def.h"
#include "link/qt_serial_port.h"
#include "sim/image_report.h"
#include "tests/support/recording_message_boxes.h"
#include "tests/support/simulated_module.h"
#include "ui/canopen/copeds_f.h"
#include "ui/canopen/show_pdo.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/session.h"
#include "ui/common/settings_store.h"
#include "ui/main/main_f.h"
#include "ui/objects/io_app_obj_set_modbus.h"
#include "ui/objects/show_app_obj.h"
#include "ui/objects/show_module.h"
#include "ui/window_manager.h"

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace q4410::testing {

using Boxes = std::vector<RecordedBox>;

template <typename T = QWidget>
T* Find(QWidget* window, const QString& name) {
  T* widget = window ? window->findChild<T*>(name) : nullptr;
  if (!widget) ADD_FAILURE() << "no control named " << name.toStdString();
  return widget;
}

inline QStringList Entries(QComboBox* list) {
  QStringList entries;
  for (int i = 0; list && i < list->count(); ++i) entries << list->itemText(i);
  return entries;
}

// Picks an entry of a list as a click on it does.
inline void Choose(QComboBox* list, int index) {
  list->setCurrentIndex(index);
  emit list->activated(index);
}

// Runs the deletions that unloading windows left pending.
inline void FlushUnloads() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// File dialogs that answer with the paths or folders a test queued, in order.
struct QueuedFileDialogs : ui::FileDialogs {
  using Text = const std::string&;
  std::string OpenFileName(QWidget*, Text, Text, Text) override { return TakeFirst(answers); }
  std::string SaveFileName(QWidget*, Text, Text, Text) override { return TakeFirst(answers); }
  std::string ExistingFolder(QWidget*, Text, Text) override { return TakeFirst(answers); }
  std::deque<std::string> answers;
};

struct WindowSession {
  // `settings`: what earlier runs remembered; none when null.
  explicit WindowSession(std::vector<std::string> ports = {}, ui::SettingsStore* settings = nullptr)
      : session{rec,
                {port, ui::WindowConsoleEnv()},
                boxes,
                edsDir.path().toStdString(),
                std::move(ports)},
        windows(session) {
    session.settings = settings;
    session.files = &files;
    main = windows.LoadMain();
    windows.ShowMain();
  }
  ~WindowSession() {
    session.link.LinkBusy = false;
    FlushUnloads();
  }

  template <typename T = QWidget>
  T* Get(const QString& name) const {
    return Find<T>(main, name);
  }
  void Click(const QString& name) const { Get<QAbstractButton>(name)->click(); }
  std::string Text(const QString& name) const { return Get<QLineEdit>(name)->text().toStdString(); }
  void SetText(const char* name, const char* text) const { Get<QLineEdit>(name)->setText(text); }

  template <typename T = QWidget>
  T* InEditor(const QString& name) const {
    return Find<T>(windows.editor(), name);
  }

  // The path of a file in the EDS folder.
  std::string Path(const char* name) const { return edsDir.filePath(name).toStdString(); }

  ParaDef rec;
  QtSerialPort port;
  RecordingMessageBoxes boxes;
  QueuedFileDialogs files;
  QTemporaryDir edsDir;
  ui::Session session;
  ui::WindowManager windows;
  ui::Main_F* main = nullptr;
};

}  // namespace q4410::testing
