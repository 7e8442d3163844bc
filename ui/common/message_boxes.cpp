#include "ui/common/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace q4410::ui {

void QtMessageBoxes::Show(QWidget* parent, const std::string& text, const std::string& title) {
  QMessageBox::information(parent, QString::fromStdString(title), QString::fromStdString(text),
                           QMessageBox::Ok);
}

bool QtMessageBoxes::AskYesNo(QWidget* parent, const std::string& text, const std::string& title) {
  return QMessageBox::question(parent, QString::fromStdString(title), QString::fromStdString(text),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void QtMessageBoxes::Beep() {
  QApplication::beep();
}

}  // namespace q4410::ui
