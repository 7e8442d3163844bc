// Message boxes and the system beep, behind an interface so that window tests can
// record them and answer Yes/No without blocking.
#pragma once

#include <string>

class QWidget;

namespace q4410::ui {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A message with an OK button; returns when it is answered.
  virtual void Show(QWidget* parent, const std::string& text, const std::string& title) = 0;
  // The same with `detail` behind the box's "Show Details..." button (none when empty).
  virtual void ShowDetailed(QWidget* parent, const std::string& text, const std::string& title,
                            const std::string& detail) {
    (void)detail;
    Show(parent, text, title);
  }
  // A message with an OK button that does not wait: it stays on screen beside the window and
  // returns at once, without an event loop of its own. For what a window says while a
  // dialogue with the module runs, which must not stop to wait for the user.
  virtual void Notify(QWidget* parent, const std::string& text, const std::string& title) = 0;
  // A question with Yes and No buttons; true for Yes.
  virtual bool AskYesNo(QWidget* parent, const std::string& text, const std::string& title) = 0;
  virtual void Beep() = 0;
};

// The icon a message deserves: only a success is information; the titles that warn get the
// warning sign, everything else reports an error.
enum class MessageIcon { Information, Warning, Critical };
MessageIcon IconFor(const std::string& text, const std::string& title);

// The real thing: QMessageBox and QApplication::beep.
class QtMessageBoxes : public MessageBoxes {
 public:
  void Show(QWidget* parent, const std::string& text, const std::string& title) override;
  void ShowDetailed(QWidget* parent, const std::string& text, const std::string& title,
                    const std::string& detail) override;
  void Notify(QWidget* parent, const std::string& text, const std::string& title) override;
  bool AskYesNo(QWidget* parent, const std::string& text, const std::string& title) override;
  void Beep() override;
};

}  // namespace q4410::ui
