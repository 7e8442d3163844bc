// q4410ctl's command line as a shell user meets it: version, help on every command, usage
// errors, and eds, which needs no module.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "config/version.h"
#include "tests/support/ctl_process.h"

namespace q4410 {
namespace {

using testing::CtlRun;
using testing::RunCtl;

TEST(CommandLine, VersionAndHelpOnEveryCommandGoToStdout) {
  EXPECT_STREQ(kVersionText, "Ver. 1.2.0, Jun 2014");  // the about box and the splash
  CtlRun run = RunCtl({"--version"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "q4410ctl 1.2.0\n");
  for (const QString command : {"ports", "detect", "read", "eds", "write"}) {
    run = RunCtl({command, "--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("usage: q4410ctl " + command.toStdString(), 0), 0u) << run.out;
    EXPECT_NE(run.out.find("--help"), std::string::npos);
    EXPECT_EQ(RunCtl({"help", command}).out, run.out);
  }
  run = RunCtl({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("q4410ctl detect [--port DEVICE]..."), std::string::npos) << run.out;
}

TEST(CommandLine, UsageErrorsNameTheProblemAndTheUsage) {
  struct Case {
    QStringList args;
    std::string error;
  };
  const Case cases[] = {
      {{}, "usage: q4410ctl COMMAND"},
      {{"frobnicate"}, "unknown command 'frobnicate'"},
      {{"read"}, "q4410ctl read: --port DEVICE (or Q4410_PORT) is required"},
      {{"read", "--port", "x", "--bogus"}, "Unknown option 'bogus'"},
      {{"write", "--port", "x"}, "q4410ctl write: --config FILE is required"},
      {{"eds", "--config=a.json", "--config=b.json"}, "--config given twice"},
      {{"ports", "--long", "--json"}, "--long and --json exclude each other"},
  };
  for (const Case& c : cases) {
    const CtlRun run = RunCtl(c.args, {}, {"Q4410_PORT="});
    EXPECT_EQ(run.exitCode, 2) << c.args.join(' ').toStdString();
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

// eds: the configuration from standard input (or a file), the file's path on standard output.
// The values pass the checks of write, with its messages, before any EDS file is made.
TEST(CommandLine, EdsWritesTheFileOfTheConfigurationOrSaysWhyNot) {
  QTemporaryDir dir;
  const QStringList eds{"eds", "--config", "-", "--eds-dir=" + dir.path()};
  CtlRun run = RunCtl(eds, R"({"Format": "q4410/1", "NodeId": 9})");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, dir.filePath("COPn9.eds").toStdString() + "\n");

  const QString missing = dir.filePath("none.json");
  run = RunCtl({"eds", "--config", missing, "--eds-dir", dir.path()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "Error: The configuration file " + missing.toStdString() +
                         " could not be read: No such file or directory\n");

  for (auto [config, message] : {std::pair{R"({"NodeId": 0})", "Node ID is not supported!(1~127)"},
                                 {R"({"CanBaudCode": 9})", "CanBaudCode 9 has no entry"},
                                 {R"({"AppObjects": [{"DevAddr": 1, "Kind": -1, "Start": 1,
                                      "Length": 8}]})",
                                  "Kind -1 is not an object kind (0-5)"}}) {
    run = RunCtl(eds, config);
    EXPECT_EQ(run.exitCode, 1) << config;
    EXPECT_EQ(run.err.rfind(std::string("Error: ") + message, 0), 0u) << run.err;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"COPn9.eds"});
}

}  // namespace
}  // namespace q4410
