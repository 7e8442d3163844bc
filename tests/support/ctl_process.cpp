#include "tests/support/ctl_process.h"

#include <QProcess>

namespace q4410::testing {

CtlRun RunCtl(const QStringList& args, const std::string& input, const QStringList& environment) {
  QProcess process;
  process.setEnvironment(QProcess::systemEnvironment() + environment);
  process.start(QString::fromUtf8(Q4410_CTL_PATH), args);
  process.write(input.data(), static_cast<qint64>(input.size()));
  process.closeWriteChannel();
  if (!process.waitForFinished(30000)) return {};  // the destructor kills it
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

}  // namespace q4410::testing
