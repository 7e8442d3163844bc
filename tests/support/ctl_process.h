// Runs the built q4410ctl as a commissioning script would, collecting its output.
#pragma once

#include <QStringList>
#include <string>

namespace q4410::testing {

struct CtlRun {
  int exitCode = -1;  // -1 when it crashed or did not finish within 30 s
  std::string out;
  std::string err;
};

// `input` goes to its standard input; `environment` entries ("NAME=VALUE") are added to ours.
CtlRun RunCtl(const QStringList& args, const std::string& input = {},
              const QStringList& environment = {});

}  // namespace q4410::testing
