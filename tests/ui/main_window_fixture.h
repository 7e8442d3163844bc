// A main window on its own session for the window tests: our own record, the real serial
// port, recording message boxes and the real window flow. Controls are found by name.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

#include "config/para_def.h"
#include "link/qt_serial_port.h"
#include "tests/support/recording_message_boxes.h"
#include "ui/canopen/copeds_f.h"
#include "ui/canopen/show_pdo.h"
#include "ui/common/session.h"
#include "ui/main/main_f.h"
#include "ui/main/module_pictures.h"
#include "ui/objects/io_app_obj_set_modbus.h"
#include "ui/objects/show_app_obj.h"
#include "ui/objects/show_module.h"
#include "ui/window_manager.h"

namespace q4410::testing {

struct MainWindowSession {
  explicit MainWindowSession(std::vector<std::string> ports = {})
      : session{rec,
                {port, ui::WindowConsoleEnv()},
                boxes,
                QDir::tempPath().toStdString(),
                std::move(ports),
                nullptr},
        windows(session) {
    main = windows.LoadMain();
    windows.ShowMain();
  }
  ~MainWindowSession() { session.link.LinkBusy = false; }

  template <typename T = QWidget>
  T* Get(const QString& name) const {
    T* widget = main->findChild<T*>(name);
    if (!widget) ADD_FAILURE() << "no control named " << name.toStdString();
    return widget;
  }
  void Click(const QString& name) const { Get<QAbstractButton>(name)->click(); }
  bool Visible(const QString& name) const { return Get(name)->isVisible(); }
  bool Enabled(const QString& name) const { return Get(name)->isEnabled(); }
  std::string Text(const QString& name) const { return Get<QLineEdit>(name)->text().toStdString(); }
  void SetText(const QString& name, const QString& text) const {
    Get<QLineEdit>(name)->setText(text);
  }
  ui::PortButton* PortButton(int index) const {
    return Get<ui::PortButton>(QString("ComButton_%1").arg(index));
  }
  QStringList Entries(const QString& listName) const {
    QStringList entries;
    auto* list = Get<QComboBox>(listName);
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
  }
  std::string Current(const QString& listName) const {
    return Get<QComboBox>(listName)->currentText().toStdString();
  }
  bool StatusBold() const { return Get<QLineEdit>("CommunicationState")->font().bold(); }
  static void FlushUnloads() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  ParaDef rec;
  QtSerialPort port;
  RecordingMessageBoxes boxes;
  ui::Session session;
  ui::WindowManager windows;
  ui::Main_F* main = nullptr;
};

template <std::size_t N>
QStringList ToStringList(const std::array<std::string_view, N>& texts) {
  QStringList list;
  for (std::string_view t : texts) list << QString::fromUtf8(t.data(), t.size());
  return list;
}

}  // namespace q4410::testing
