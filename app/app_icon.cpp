#include "app/app_icon.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

namespace q4410::app {

void SetApplicationIcon() {
  QIcon icon;
  QDirIterator sizes(":/icons", {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
  while (sizes.hasNext()) icon.addFile(sizes.next());  // the size is read from the file
  QApplication::setWindowIcon(icon);
  QGuiApplication::setDesktopFileName("q4410-config");
}

}  // namespace q4410::app
