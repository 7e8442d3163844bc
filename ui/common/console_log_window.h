// "Console log": the serial trace of the current run, shown live as it arrives, with Clear
// and Save.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>

#include "link/serial_trace.h"
#include "ui/common/message_boxes.h"

class QPlainTextEdit;
class QTimer;

namespace q4410::ui {

class ConsoleLogWindow : public QWidget {
  Q_OBJECT
 public:
  // Listens to `trace` from now until it is destroyed (it must not outlive the trace).
  ConsoleLogWindow(SerialTrace& trace, MessageBoxes& boxes, QWidget* parent = nullptr);
  ~ConsoleLogWindow() override;

  // Lines are gathered and shown a moment later, a batch at a time: one line at a time would
  // cost the running dialogue a layout of the text for every chunk it reads.
  void Append(const std::string& line);
  // Everything appended so far, batch or not.
  QString Text();
  void Clear();
  // Asks for a file and writes the log into it; a failure is shown in a message box.
  void Save();

  // Asks for the file to save to, empty when cancelled: a file dialog unless replaced.
  std::function<QString(QWidget* parent)> askSavePath;

 private:
  SerialTrace& trace_;
  MessageBoxes& boxes_;
  void ShowPending();
  QPlainTextEdit* text_ = nullptr;
  QStringList pending_;
  QTimer* showTimer_ = nullptr;
};

}  // namespace q4410::ui
