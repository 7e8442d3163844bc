#include "ui/common/keyboard.h"

#include <QLineEdit>
#include <QPushButton>

namespace q4410::ui {

void EnterPressesFocusedButtons(QWidget* window) {
  for (QPushButton* button : window->findChildren<QPushButton*>()) button->setAutoDefault(true);
}

void PressOnEnter(QLineEdit* field, QAbstractButton* button) {
  QObject::connect(field, &QLineEdit::returnPressed, button, [button] {
    if (button->isVisible() && button->isEnabled()) button->click();
  });
}

}  // namespace q4410::ui
