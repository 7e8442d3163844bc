// q4410ctl read and write against a simulated module, as a service shop would script them.
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

class ModuleCommands : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(module.started()); }

  QString Device() const { return QString::fromStdString(module.device()); }
  QJsonObject Read(const QStringList& options = {}) {
    const CtlRun run = RunCtl(QStringList{"read", "--port", Device(), "--json"} + options);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  }
  CtlRun Write(const QJsonObject& json) {
    const QString path = dir.filePath("config.json");
    std::ofstream(path.toStdString()) << QJsonDocument(json).toJson().toStdString();
    return RunCtl({"write", "--port", Device(), "--config", path, "--eds-dir", dir.path()});
  }
  bool EdsWritten(int node) {
    return std::filesystem::exists(dir.filePath("COPn%1.eds").arg(node).toStdString());
  }
  SimulatedModule module{sim::ExampleImage(), {}};
  QTemporaryDir dir;
};

TEST_F(ModuleCommands, ReadPrintsTheModuleAsText) {
  module.SetWord(0, 48, 0x01050003u);  // TxPDO closed
  const CtlRun run = RunCtl({"read", "--port", Device()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "Module            5160QT>\n"
            "Firmware          1.05-2008/03/12\n"
            "Application       CANopen\n"
            "Node ID           5\n"
            "CAN baud rate     125    KBPS\n"
            "COM baud rate     19200   BPS\n"
            "COM data bits     8\n"
            "COM parity        EVEN\n"
            "COM stop bits     1\n"
            "COM time-out      300 ms\n"
            "Configured        2026-12-01 10:20:30\n"
            "RxPDO closed      0\n"
            "TxPDO closed      1\n"
            "EEPROM data error no\n"
            "Application objects: 2\n"
            "  1: device 1, Read AI, start 1, length 4\n"
            "  2: device 2, Write DO, start 1, length 10\n");
}

// The module keeps 28 bytes of block 1 and node 50 only when it runs DeviceNet; read as
// DeviceNet it is clean, read as CANopen the block length is a data error.
TEST_F(ModuleCommands, ReadDeviceNetTakesTheDeviceNetRules) {
  module.SetWord(0, 44, 28u << 16 | 16u);
  module.SetWord(0, 48, 0x00320102u);  // DeviceNet, node 50, 500 kbit/s
  const QJsonObject json = Read({"--devicenet"});
  EXPECT_EQ(json.value("EepromDataError").toBool(true), false);
  EXPECT_EQ(json.value("AppKind").toInt(), 1);
  EXPECT_EQ(json.value("NodeId").toInt(), 50);
  EXPECT_EQ(json.value("CanBaudCode").toInt(), 2);
  module.SetWord(0, 44, 0x00000010u);
  const CtlRun run = RunCtl({"read", "--port", Device(), "--devicenet", "--json"});
  EXPECT_EQ(run.err,
            "Warnning: Some2 EEPROM Data is Error!\n"
            "Warnning: Some EEPROM Data is Error!\n");
}

TEST_F(ModuleCommands, WriteAppliesTheFileAndKeepsWhatItLeavesOut) {
  CtlRun run = Write({{"NodeId", 42}, {"ComBaudCode", 7}});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("Produce .EDS file is OK"), std::string::npos) << run.out;
  EXPECT_TRUE(EdsWritten(42));
  QJsonObject after = Read();
  EXPECT_EQ(after.value("NodeId").toInt(), 42);
  EXPECT_EQ(after.value("ComBaudCode").toInt(), 7);
  EXPECT_EQ(after.value("ComParity").toInt(), 1);  // as the module held it
  EXPECT_EQ(after.value("ComChecksum").toInt(), 195 + 8 + 1 + 1);
  EXPECT_EQ(after.value("AppObjects").toArray().size(), 2);

  // Ten objects, the most the module keeps.
  QJsonArray objects;
  for (int i = 1; i <= 10; ++i)
    objects.append(QJsonObject{{"DevAddr", i}, {"Kind", i % 6}, {"Start", i}, {"Length", i}});
  run = Write({{"AppObjects", objects}});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  after = Read();
  EXPECT_EQ(after.value("EepromDataError").toBool(true), false);
  EXPECT_EQ(after.value("AppObjects").toArray(), objects);
}

TEST_F(ModuleCommands, RefusedFileLeavesTheModuleUntouched) {
  const std::vector<char> image = module.ImageBytes();
  const std::string refused =
      "Error: The configuration file " + dir.filePath("config.json").toStdString() + " is refused";
  CtlRun run = Write({{"RxPdoClosed", 2}});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "Error: RxPdoClosed must be 0 or 1\n" + refused +
                         " at \"RxPdoClosed\"; nothing was written\n");
  run = Write({{"NodeId", 128}});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "Error: Node ID is not supported!(1~127)\n" + refused +
                         " at \"NodeId\"; nothing was written\n");
  EXPECT_EQ(module.ImageBytes(), image);
  EXPECT_FALSE(EdsWritten(5));
}

}  // namespace
}  // namespace q4410
