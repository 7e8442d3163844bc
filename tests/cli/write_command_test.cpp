// q4410ctl write end to end against a simulated module.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "sim/image_report.h"
#include "tests/support/ctl_process.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

using testing::CtlRun;
using testing::RunCtl;
using testing::SimulatedModule;

class WriteCommand : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(module.started()); }

  QString Device() const { return QString::fromStdString(module.device()); }
  QJsonObject Read() {
    const CtlRun run = RunCtl({"read", "--port", Device(), "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  }
  QString Save(const QJsonObject& json) {
    const QString path = dir.filePath("config.json");
    std::ofstream(path.toStdString()) << QJsonDocument(json).toJson().toStdString();
    return path;
  }
  CtlRun Write(const QJsonObject& json) {
    return RunCtl({"write", "--port", Device(), "--config", Save(json), "--eds-dir", dir.path()});
  }
  bool EdsWritten(int node) {
    return std::filesystem::exists(dir.filePath("COPn%1.eds").arg(node).toStdString());
  }
  static QJsonObject WithoutTimeStamp(QJsonObject json) {
    for (const char* key :
         {"ConfigYear", "ConfigMonth", "ConfigDay", "ConfigHour", "ConfigMinute", "ConfigSecond"})
      json.remove(key);
    return json;
  }

  SimulatedModule module{sim::ExampleImage(), {}};
  QTemporaryDir dir;
};

TEST_F(WriteCommand, ReadThenWriteLeavesTheModuleAsItWasApartFromTheTimeStamp) {
  const QJsonObject before = Read();
  const CtlRun run = Write(before);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("Produce .EDS file is OK"), std::string::npos) << run.out;
  EXPECT_TRUE(EdsWritten(5));
  const QJsonObject after = Read();
  EXPECT_EQ(WithoutTimeStamp(after), WithoutTimeStamp(before));
  EXPECT_NE(after.value("ConfigYear").toInt(), 2026 - 100);  // stamped from the clock
}

TEST_F(WriteCommand, AppliesChangedFieldsAndKeepsTheModulesObjectsWhenTheFileHasNone) {
  QJsonObject json;
  json["NodeId"] = 42;
  json["ComTimeoutMs"] = 1000;
  json["ComBaudCode"] = 7;
  const CtlRun run = Write(json);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QJsonObject after = Read();
  EXPECT_EQ(after.value("NodeId").toInt(), 42);
  EXPECT_EQ(after.value("ComTimeoutMs").toInt(), 1000);
  EXPECT_EQ(after.value("ComBaudCode").toInt(), 7);
  EXPECT_EQ(after.value("ComParity").toInt(), 1);  // as the module held it
  EXPECT_EQ(after.value("ComChecksum").toInt(), 195 + 8 + 1 + 1);
  EXPECT_EQ(after.value("AppObjects").toArray().size(), 2);
  EXPECT_TRUE(EdsWritten(42));
}

TEST_F(WriteCommand, ReplacesTheObjectsWithTheFilesList) {
  QJsonObject object;
  object["DevAddr"] = 7;
  object["Kind"] = 1;
  object["Start"] = 100;
  object["Length"] = 2;
  QJsonObject json;
  json["AppObjects"] = QJsonArray{object};
  json["TxPdoClosed"] = 1;
  ASSERT_EQ(Write(json).exitCode, 0);
  const QJsonObject after = Read();
  const QJsonArray objects = after.value("AppObjects").toArray();
  ASSERT_EQ(objects.size(), 1);
  EXPECT_EQ(objects[0].toObject(), object);
  EXPECT_EQ(after.value("TxPdoClosed").toInt(), 1);
}

TEST_F(WriteCommand, RefusedFileLeavesTheImageUntouched) {
  const std::vector<char> image = module.ImageBytes();
  QJsonObject badObject;
  badObject["DevAddr"] = 248;
  badObject["Kind"] = 0;
  badObject["Start"] = 1;
  badObject["Length"] = 8;
  struct Case {
    QJsonObject json;
    std::string message;  // the window's message box
    std::string key;      // the key the refusal names
  };
  const Case cases[]{
      {{{"NodeId", 128}}, "Error: Node ID is not supported!(1~127)", "NodeId"},
      {{{"AppKind", 1}, {"NodeId", 64}}, "Error: Node ID is not supported!(1~63)", "NodeId"},
      {{{"ComTimeoutMs", 0}}, "Error: Timeout value is out of range!(1ms~32767ms)", "ComTimeoutMs"},
      {{{"AppObjects", QJsonArray{badObject}}},
       "Error: ModBus Device Address Error. (1-247)",
       "AppObjects, object 1"},
      {{{"CanBaudCode", 8}},
       "Error: CanBaudCode 8 has no entry in the CANopen baud list",
       "CanBaudCode"},
      {{{"GuardTime", 65536}}, "Error: GuardTime 65536 is outside 0-65535", "GuardTime"},
  };
  for (const Case& c : cases) {
    const CtlRun run = Write(c.json);
    EXPECT_EQ(run.exitCode, 1) << c.message;
    EXPECT_EQ(run.err, c.message + "\nError: The configuration file " +
                           dir.filePath("config.json").toStdString() + " is refused at \"" + c.key +
                           "\"; nothing was written\n");
    EXPECT_EQ(module.ImageBytes(), image) << c.message;
  }
  std::ofstream(dir.filePath("broken.json").toStdString()) << "{ not json";
  const CtlRun broken =
      RunCtl({"write", "--port", Device(), "--config", dir.filePath("broken.json")});
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_EQ(broken.err.rfind("Error: The configuration file ", 0), 0u) << broken.err;
  EXPECT_EQ(module.ImageBytes(), image);
  EXPECT_FALSE(EdsWritten(5));
}

}  // namespace
}  // namespace q4410
