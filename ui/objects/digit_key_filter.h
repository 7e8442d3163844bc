// Key filter of the editor's entry fields: only the digits and backspace reach the field; any
// other character key is discarded with a beep. Keys that type nothing (arrows, Delete, Tab,
// Enter, Escape) and Ctrl shortcuts pass; a validator on the fields keeps pasted or dropped
// text to digits.
#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

namespace q4410::ui {

class DigitKeyFilter : public QObject {
  Q_OBJECT
 public:
  // `beep` is called for every refused key, `accepted` for every digit or backspace.
  DigitKeyFilter(std::function<void()> beep, std::function<void()> accepted, QObject* parent);

  // Installs the filter and the digits-only validator on `field`.
  void Attach(QLineEdit* field);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> beep_;
  std::function<void()> accepted_;
};

}  // namespace q4410::ui
