// Runs the built q4410ctl as a commissioning script would, collecting its output.
#pragma once

#include <QStringList>
#include <string>

namespace q4410::testing {

struct CtlRun {
  int exitCode = -1;  // -1 when it crashed or did not finish in time
  std::string out;
  std::string err;
};

CtlRun RunCtl(const QStringList& args, int timeoutMs = 30000);

}  // namespace q4410::testing
