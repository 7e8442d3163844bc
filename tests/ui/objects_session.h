// A window session for the editor and viewer tests: our own record, a port that is never
// opened, recording message boxes and the real window flow.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QString>
#include <ostream>
#include <string>
#include <vector>

#include "config/para_def.h"
#include "link/serial_port.h"
#include "tests/support/recording_message_boxes.h"
#include "ui/canopen/copeds_f.h"
#include "ui/canopen/show_pdo.h"
#include "ui/common/session.h"
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

class UnusedSerialPort : public SerialPort {
 public:
  OpenResult Open(const std::string&) override { return {OpenFailure::InvalidPort, "unused"}; }
  void Close() override {}
  bool IsOpen() const override { return false; }
  void ClearInput() override {}
  std::size_t BytesWaitingIn() override { return 0; }
  std::size_t BytesWaitingOut() override { return 0; }
  void Write(std::string_view) override {}
  std::string ReadAll() override { return {}; }
};

// A key pressed and released on `target`, as the keyboard delivers it.
inline void PressKey(QObject* target, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(target, &release);
}

// Each character of `text` typed on `target`.
inline void TypeKeys(QObject* target, const QString& text) {
  for (QChar c : text) {
    const int key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
    PressKey(target, key, QString(c));
  }
}

struct ObjectsSession {
  ParaDef rec;
  UnusedSerialPort port;
  RecordingMessageBoxes boxes;
  ui::Session session{rec, {port, PlainConsoleEnv()}, boxes, ".", {}, nullptr};
  ui::WindowManager windows{session};

  // The module's table as a connect would leave it.
  void SetModuleObjects(std::vector<AppObject> objects) {
    rec.ModuleAppObjectCount = static_cast<int>(objects.size());
    rec.ModuleAppObjects = std::move(objects);
  }

  // Runs the deletions that unloading windows left pending.
  static void FlushUnloads() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

}  // namespace q4410::testing
