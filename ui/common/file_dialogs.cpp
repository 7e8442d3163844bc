#include "ui/common/file_dialogs.h"

#include <QFileDialog>

namespace q4410::ui {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

std::string QtFileDialogs::OpenFileName(QWidget* parent, const std::string& title,
                                        const std::string& start, const std::string& filter) {
  return QFileDialog::getOpenFileName(parent, Q(title), Q(start), Q(filter)).toStdString();
}

std::string QtFileDialogs::SaveFileName(QWidget* parent, const std::string& title,
                                        const std::string& start, const std::string& filter) {
  return QFileDialog::getSaveFileName(parent, Q(title), Q(start), Q(filter)).toStdString();
}

std::string QtFileDialogs::ExistingFolder(QWidget* parent, const std::string& title,
                                          const std::string& start) {
  return QFileDialog::getExistingDirectory(parent, Q(title), Q(start)).toStdString();
}

}  // namespace q4410::ui
