// q4410ctl's command line as a shell user meets it: version, help on every command, usage
// errors, --opt=value, the port from Q4410_PORT, standard input as a file, the port finder.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <filesystem>

#include "config/version.h"
#include "tests/support/ctl_process.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

using testing::CtlRun;
using testing::RunCtl;

const QStringList kNoPortVariable{"Q4410_PORT="};

TEST(CommandLine, VersionAndHelpOnEveryCommandGoToStdout) {
  EXPECT_STREQ(kVersionText, "Ver. 1.2.0, Jun 2014");  // the about box and the splash
  CtlRun run = RunCtl({"--version"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "q4410ctl 1.2.0\n");
  for (const QString command : {"ports", "detect", "read", "eds", "write"}) {
    for (const QStringList& args : {QStringList{command, "--help"}, QStringList{"help", command}}) {
      run = RunCtl(args);
      EXPECT_EQ(run.exitCode, 0) << args.join(' ').toStdString();
      EXPECT_EQ(run.out.rfind("usage: q4410ctl " + command.toStdString(), 0), 0u) << run.out;
      EXPECT_NE(run.out.find("--help"), std::string::npos);
      EXPECT_EQ(run.err, "");
    }
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
    const CtlRun run = RunCtl(c.args, 30000, {}, kNoPortVariable);
    EXPECT_EQ(run.exitCode, 2) << c.args.join(' ').toStdString();
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

// eds: the configuration from standard input (or a file), the file's path on standard output.
TEST(CommandLine, EdsWritesTheFileOfTheConfigurationOrSaysWhyNot) {
  QTemporaryDir dir;
  CtlRun run = RunCtl({"eds", "--config", "-", "--eds-dir=" + dir.path()}, 30000,
                      R"({"Format": "q4410/1", "NodeId": 9})");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, dir.filePath("COPn9.eds").toStdString() + "\n");
  EXPECT_TRUE(std::filesystem::exists(dir.filePath("COPn9.eds").toStdString()));

  run = RunCtl({"eds", "--config", dir.filePath("none.json"), "--eds-dir", dir.path()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(
      run.err.find("Error: The configuration file " + dir.filePath("none.json").toStdString() +
                   " could not be read: No such file or directory"),
      std::string::npos)
      << run.err;

  // The values pass the checks of write, with its messages, before any EDS file is made.
  for (auto [config, message] : {std::pair{R"({"NodeId": 0})", "Node ID is not supported!(1~127)"},
                                 {R"({"CanBaudCode": 9})", "CanBaudCode 9 has no entry"},
                                 {R"({"AppObjects": [{"DevAddr": 1, "Kind": -1, "Start": 1,
                                      "Length": 8}]})",
                                  "Kind -1 is not an object kind (0-5)"}}) {
    run = RunCtl({"eds", "--config", "-", "--eds-dir", dir.path()}, 30000, config);
    EXPECT_EQ(run.exitCode, 1) << config;
    EXPECT_EQ(run.err.rfind(std::string("Error: ") + message, 0), 0u) << run.err;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"COPn9.eds"});
}

TEST(CommandLine, ThePortFromTheEnvironmentAndPortsAsJson) {
  testing::SimulatedModule module;
  ASSERT_TRUE(module.started());
  const QString device = QString::fromStdString(module.device());
  CtlRun run = RunCtl({"read", "--json"}, 30000, {}, {"Q4410_PORT=" + device});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object()["Format"],
            "q4410/1");

  run = RunCtl({"ports", "--json", "--port=" + device});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QJsonObject first =
      QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).array().first().toObject();
  EXPECT_EQ(first["Port"], device);
  EXPECT_EQ(first.keys(),
            (QStringList{"Description", "Manufacturer", "Port", "SerialNumber", "VidPid"}));
}

}  // namespace
}  // namespace q4410
