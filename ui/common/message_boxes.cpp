#include "ui/common/message_boxes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace q4410::ui {

namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// A box as wide as its title needs, so that the window manager does not cut the title short
// above a one-word message. (Room for the title bar's buttons and a bold title font.)
QMessageBox* NewBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                    const std::string& title, QMessageBox::StandardButtons buttons) {
  auto* box = new QMessageBox(icon, QString::fromStdString(title), QString::fromStdString(text),
                              buttons, parent);
  QFont titleFont = box->font();
  titleFont.setBold(true);
  const int width = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) + 140;
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  return box;
}

}  // namespace

MessageIcon IconFor(const std::string& text, const std::string& title) {
  if (text == "Success!!!") return MessageIcon::Information;
  if (title.rfind("Warn", 0) == 0) return MessageIcon::Warning;  // "Warning", "Warnning"
  return MessageIcon::Critical;
}

void QtMessageBoxes::Show(QWidget* parent, const std::string& text, const std::string& title) {
  QMessageBox* box = NewBox(parent, QtIcon(IconFor(text, title)), text, title, QMessageBox::Ok);
  box->exec();
  delete box;
}

void QtMessageBoxes::ShowDetailed(QWidget* parent, const std::string& text,
                                  const std::string& title, const std::string& detail) {
  QMessageBox* box = NewBox(parent, QtIcon(IconFor(text, title)), text, title, QMessageBox::Ok);
  box->setDetailedText(QString::fromStdString(detail));
  box->exec();
  delete box;
}

void QtMessageBoxes::Notify(QWidget* parent, const std::string& text, const std::string& title) {
  // The same message again raises the box that is still open instead of stacking another.
  const QString qtext = QString::fromStdString(text);
  if (parent) {
    for (QMessageBox* open : parent->findChildren<QMessageBox*>(Qt::FindDirectChildrenOnly)) {
      if (open->isVisible() && open->text() == qtext && !open->isModal()) {
        open->raise();
        open->activateWindow();
        return;
      }
    }
  }
  QMessageBox* box = NewBox(parent, QtIcon(IconFor(text, title)), text, title, QMessageBox::Ok);
  box->setWindowModality(Qt::NonModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

bool QtMessageBoxes::AskYesNo(QWidget* parent, const std::string& text, const std::string& title) {
  QMessageBox* box =
      NewBox(parent, QMessageBox::Question, text, title, QMessageBox::Yes | QMessageBox::No);
  box->setDefaultButton(QMessageBox::No);
  const bool yes = box->exec() == QMessageBox::Yes;
  delete box;
  return yes;
}

void QtMessageBoxes::Beep() {
  QApplication::beep();
}

}  // namespace q4410::ui
