// Modal message boxes and the system beep, behind an interface so that window tests can
// record them and answer Yes/No without blocking.
#pragma once

#include <string>

class QWidget;

namespace q4410::ui {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A message with an OK button.
  virtual void Show(QWidget* parent, const std::string& text, const std::string& title) = 0;
  // A question with Yes and No buttons; true for Yes.
  virtual bool AskYesNo(QWidget* parent, const std::string& text, const std::string& title) = 0;
  virtual void Beep() = 0;
};

// The real thing: QMessageBox and QApplication::beep.
class QtMessageBoxes : public MessageBoxes {
 public:
  void Show(QWidget* parent, const std::string& text, const std::string& title) override;
  bool AskYesNo(QWidget* parent, const std::string& text, const std::string& title) override;
  void Beep() override;
};

}  // namespace q4410::ui
