// q4410ctl: the utility's procedures without windows.
#include <QCoreApplication>

#include "cli/commands.h"
#include "config/version.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("q4410ctl");
  QCoreApplication::setApplicationVersion(q4410::kVersion);
  return q4410::cli::RunQ4410ctl(QCoreApplication::arguments());
}
