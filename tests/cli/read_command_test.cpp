// q4410ctl read against a simulated module, as a service shop would script it.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "sim/image_report.h"
#include "tests/support/ctl_process.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

using testing::RunCtl;
using testing::SimulatedModule;

QJsonObject ParseObject(const std::string& text) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
  return document.object();
}

TEST(ReadCommand, PrintsEveryFieldOfTheExampleModuleAsJson) {
  SimulatedModule module(sim::ExampleImage(), {});
  ASSERT_TRUE(module.started());
  const auto run = RunCtl({"read", "--port", QString::fromStdString(module.device()), "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const QJsonObject json = ParseObject(run.out);

  const std::map<std::string, int> expected{
      {"FirmwareMajor", 1},  {"FirmwareMinor", 5}, {"FirmwareYear", 2008}, {"FirmwareMonth", 3},
      {"FirmwareDay", 12},   {"AppKind", 0},       {"NodeId", 5},          {"CanBaudCode", 3},
      {"ComBaudCode", 4},    {"ComDataBits", 8},   {"ComParity", 1},       {"ComStopBits", 1},
      {"ComTimeoutMs", 300}, {"ComChecksum", 85},  {"ConfigYear", 2026},   {"ConfigMonth", 12},
      {"ConfigDay", 1},      {"ConfigHour", 10},   {"ConfigMinute", 20},   {"ConfigSecond", 30},
      {"RxPdoClosed", 0},    {"TxPdoClosed", 0},   {"GuardTime", 0},       {"LifeTimeFactor", 0},
      {"HeartbeatTime", 0}};
  for (const auto& [key, value] : expected)
    EXPECT_EQ(json.value(QString::fromStdString(key)).toInt(-1), value) << key;
  EXPECT_EQ(json.value("ModulePrompt").toString(), "5160QT>");
  EXPECT_EQ(json.value("EepromDataError").toBool(true), false);
  EXPECT_EQ(json.value("Format").toString(), "q4410/1");
  EXPECT_EQ(json.value("EdsDescription").toString("x"), "");  // the module keeps no EDS texts
  EXPECT_EQ(json.value("EdsCreatedBy").toString("x"), "");
  EXPECT_EQ(json.size(), static_cast<int>(expected.size()) + 6);

  const QJsonArray objects = json.value("AppObjects").toArray();
  ASSERT_EQ(objects.size(), 2);
  const QJsonObject first = objects[0].toObject();
  EXPECT_TRUE(first.value("DevAddr").isDouble());
  EXPECT_EQ(first.value("DevAddr").toInt(), 1);
  EXPECT_EQ(first.value("Kind").toInt(), 3);
  EXPECT_EQ(first.value("Start").toInt(), 1);
  EXPECT_EQ(first.value("Length").toInt(), 4);
  const QJsonObject second = objects[1].toObject();
  EXPECT_EQ(second.value("DevAddr").toInt(), 2);
  EXPECT_EQ(second.value("Kind").toInt(), 0);
  EXPECT_EQ(second.value("Length").toInt(), 10);
}

TEST(ReadCommand, BlankModuleReadsWithDefaultsAndTheWarningOnStderr) {
  SimulatedModule module;
  ASSERT_TRUE(module.started());
  const auto run = RunCtl({"read", "--port", QString::fromStdString(module.device()), "--json"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "Warnning: Some EEPROM Data is Error!\n");
  const QJsonObject json = ParseObject(run.out);
  EXPECT_EQ(json.value("EepromDataError").toBool(false), true);
  EXPECT_EQ(json.value("NodeId").toInt(), 1);
  EXPECT_EQ(json.value("ComBaudCode").toInt(), 3);
  EXPECT_EQ(json.value("ComChecksum").toInt(), 174);
  EXPECT_TRUE(json.value("AppObjects").toArray().isEmpty());
}

TEST(ReadCommand, Failures) {
  sim::SimOptions silent;
  silent.silent = true;
  SimulatedModule module(silent);
  ASSERT_TRUE(module.started());
  auto run = RunCtl({"read", "--port", QString::fromStdString(module.device())});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind("Error: Timeout\n  sent \"exit\", awaited \">\"", 0), 0u) << run.err;
  EXPECT_EQ(run.out, "");

  run = RunCtl({"read", "--port", "/dev/q4410-no-such-port"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "Error: Can't open /dev/q4410-no-such-port!\n");
}

}  // namespace
}  // namespace q4410
