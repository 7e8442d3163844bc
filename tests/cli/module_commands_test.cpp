// q4410ctl against a simulated module, as a service shop would script it: read, write, the
// trace of the exchange, and what write leaves in the module when something goes wrong.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <tuple>

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
  // read --json, the port given through Q4410_PORT.
  QJsonObject Read(const QStringList& options = {}) {
    const CtlRun run =
        RunCtl(QStringList{"read", "--json"} + options, {}, {"Q4410_PORT=" + Device()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  }
  CtlRun Write(const QJsonObject& json) {
    const QString path = dir.filePath("config.json");
    std::ofstream(path.toStdString()) << QJsonDocument(json).toJson().toStdString();
    return RunCtl({"write", "--port", Device(), "--config", path, "--eds-dir", dir.path()});
  }
  SimulatedModule module{sim::ExampleImage(), {}};
  QTemporaryDir dir;
};

// The plain-text read, its exchange traced on stderr: the typed commands and the prompts in
// order (received text may come in chunks of any size, so the prompts are looked for alone).
TEST_F(ModuleCommands, ReadPrintsTheModuleAsTextAndTracesTheExchange) {
  module.SetWord(0, 48, 0x01050003u);  // TxPDO closed
  const CtlRun run = RunCtl({"read", "--port", Device(), "--trace", "-"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
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
  std::size_t at = 0;
  for (const char* line : {"-- open ", ">> exit\\r", "5160QT>", ">> use eeprom\\r", "[EEPROM:]",
                           ">> el 40\\r", "Long(40)=", ">> block 2\\r", "[EEPROM:]", "-- close"}) {
    at = run.err.find(line, at);
    ASSERT_NE(at, std::string::npos) << line << " missing, or out of order, in:\n" << run.err;
  }
}

// The module keeps 28 bytes of block 1 and node 50 only when it runs DeviceNet: read as
// DeviceNet it is clean, and CANopen's empty block 1 is a data error.
TEST_F(ModuleCommands, ReadDeviceNetTakesTheDeviceNetRules) {
  module.SetWord(0, 44, 28u << 16 | 16u);
  module.SetWord(0, 48, 0x00320102u);  // DeviceNet, node 50, 500 kbit/s
  const QJsonObject json = Read({"--devicenet"});
  EXPECT_EQ(std::tuple(json["EepromDataError"].toBool(true), json["AppKind"].toInt(),
                       json["NodeId"].toInt(), json["CanBaudCode"].toInt()),
            std::tuple(false, 1, 50, 2));
  module.SetWord(0, 44, 0x00000010u);
  EXPECT_EQ(RunCtl({"read", "--port", Device(), "--devicenet"}).err,
            "Warnning: Some2 EEPROM Data is Error!\n"
            "Warnning: Some EEPROM Data is Error!\n");
}

TEST_F(ModuleCommands, WriteAppliesTheFileAndKeepsWhatItLeavesOut) {
  CtlRun run = Write({{"NodeId", 42}, {"ComBaudCode", 7}});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "Produce .EDS file is OK: " + dir.path().toStdString() + "/COPn42.eds\n");
  QJsonObject after = Read();
  // The parity and the objects as the module held them; the check byte of the new line.
  EXPECT_EQ(
      std::tuple(after["NodeId"].toInt(), after["ComBaudCode"].toInt(), after["ComParity"].toInt(),
                 after["ComChecksum"].toInt(), after["AppObjects"].toArray().size()),
      std::tuple(42, 7, 1, 195 + 8 + 1 + 1, 2));

  // Ten objects, the most the module keeps.
  QJsonArray objects;
  for (int i = 1; i <= 10; ++i)
    objects.append(QJsonObject{{"DevAddr", i}, {"Kind", i % 6}, {"Start", i}, {"Length", i}});
  run = Write({{"AppObjects", objects}});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  after = Read();
  EXPECT_EQ(after["EepromDataError"].toBool(true), false);
  EXPECT_EQ(after["AppObjects"].toArray(), objects);
}

TEST_F(ModuleCommands, PortsListsTheGivenDeviceFirstWithItsDetails) {
  const CtlRun run = RunCtl({"ports", "--json", "--port=" + Device()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QJsonObject first =
      QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).array().first().toObject();
  EXPECT_EQ(first["Port"], Device());
  EXPECT_EQ(first.keys(),
            (QStringList{"Description", "Manufacturer", "Port", "SerialNumber", "VidPid"}));
}

// The exit status and the message of write tell the state the module is left in: unchanged
// (and no EDS file) with 1, written with the EDS file with 0.
TEST(WriteOutcome, ExitStatusAndMessageTellTheModulesState) {
  struct Case {
    sim::SimOptions options;
    QString edsDir;  // below the temporary directory
    int exitCode;
    std::string message;  // in stderr (or stdout when done)
    const char* config = R"({"NodeId": 9})";
  };
  sim::SimOptions plain, corrupt, dying;
  corrupt.corruptBlock = 0;
  corrupt.corruptOffset = 48;  // word 2: node ID, baud and PDO flags
  // The connect takes 50 lines and the download types the first word in its 8th line: the
  // console dies in the middle of block 0.
  dying.dieAfterLines = 50 + 20;
  const Case cases[] = {
      {corrupt, "eds", 4,
       "Error: Verification failed: block 0, offset 48: written 589827 (0x00090003), read 589826 "
       "(0x00090002)\n"},
      {dying, "eds", 3, "Q-4410C Utility: Timeout\n  block 0, offset "},
      {plain, "new/folder", 0, "Produce .EDS file is OK"},  // a missing folder is made
      {plain, "file/eds", 1, "Error: The EDS file "},
      {plain, "eds", 1, "is refused at \"RxPdoClosed\"; nothing was written\n",
       R"({"NodeId": 9, "RxPdoClosed": 2})"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    SimulatedModule module(sim::ExampleImage(), c.options);
    ASSERT_TRUE(module.started());
    QTemporaryDir dir;
    std::ofstream(dir.filePath("file").toStdString()) << "not a folder";
    std::ofstream(dir.filePath("config.json").toStdString()) << c.config;
    const std::vector<char> before = module.ImageBytes();

    const CtlRun run =
        RunCtl({"write", "--port", QString::fromStdString(module.device()), "--config",
                dir.filePath("config.json"), "--eds-dir", dir.filePath(c.edsDir)});

    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_NE((run.err + run.out).find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(module.ImageBytes() == before, c.exitCode == 1);
    EXPECT_EQ(std::filesystem::exists(dir.filePath(c.edsDir + "/COPn9.eds").toStdString()),
              c.exitCode == 0);
  }
}

}  // namespace
}  // namespace q4410
