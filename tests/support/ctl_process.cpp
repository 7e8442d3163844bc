#include "tests/support/ctl_process.h"

#include <QProcess>

namespace q4410::testing {

CtlRun RunCtl(const QStringList& args, int timeoutMs, const std::string& input,
              const QStringList& environment) {
  QProcess process;
  process.setEnvironment(QProcess::systemEnvironment() + environment);
  process.start(QString::fromUtf8(Q4410_CTL_PATH), args);
  process.write(input.data(), static_cast<qint64>(input.size()));
  process.closeWriteChannel();
  CtlRun run;
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

}  // namespace q4410::testing
