// The download against a simulated module through a real pseudo-terminal: what ends up in the
// module's EEPROM, and how every failure leaves things.
#include "canopen/download_procedure.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>

#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "config/eeprom_image.h"
#include "link/qt_serial_port.h"
#include "sim/image_report.h"
#include "tests/support/recording_observer.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

using testing::RecordingConnectObserver;
using testing::SimulatedModule;
using Strings = std::vector<std::string>;

constexpr LocalTime kClock{2026, 12, 7, 14, 35, 9};

// The record as a connect to the example module and an edit leave it.
ParaDef EditedRecord() {
  ParaDef rec;
  rec.ModulePrompt = "5160QT>";
  rec.NodeId = 9;
  rec.CanBaudCode = 5;
  rec.ComBaudCode = 7;
  rec.ComParity = 2;
  rec.ComStopBits = 2;
  rec.ComTimeoutMs = 1500;
  rec.ComChecksum = ComChecksumOf(rec);
  rec.AppObjects[0] = {"1", 3, 1, 4};
  rec.AppObjects[1] = {"247", 0, 9999, 254};
  rec.AppObjectCount = 2;
  rec.AppObjectsUnchanged = false;
  rec.RxPdoClosed = 1;
  BuildPdoMapping(rec);
  return rec;
}

class DownloadTest : public ::testing::Test {
 protected:
  DownloadResult Download(const SimulatedModule& module, ParaDef& rec) {
    return RunDownload(rec, link, {module.device(), edsDir.path().toStdString(), kClock}, observer)
        .result;
  }
  std::vector<uint32_t> Words(const SimulatedModule& module, int block, int first, int count) {
    std::vector<uint32_t> words;
    for (int i = 0; i < count; ++i) words.push_back(module.Word(block, first + 4 * i));
    return words;
  }
  bool EdsWritten(const ParaDef& rec) {
    return std::filesystem::exists(
        edsDir.filePath(QString::fromStdString(EdsFileName(rec))).toStdString());
  }

  QTemporaryDir edsDir;
  QtSerialPort port;
  Link link{port, PlainConsoleEnv()};
  RecordingConnectObserver observer;
};

TEST_F(DownloadTest, WritesBlocksZeroAndTwoAsPackedAndTheEdsFile) {
  SimulatedModule module(sim::ExampleImage(), {});
  ASSERT_TRUE(module.started());
  const uint32_t wordAfterBlock0 = module.Word(0, 156);
  ParaDef rec = EditedRecord();

  ASSERT_EQ(Download(module, rec), DownloadResult::Done)
      << ::testing::PrintToString(observer.events);
  EXPECT_EQ(observer.messages, Strings{});
  EXPECT_EQ(observer.status, "Produce .EDS file is OK");
  EXPECT_FALSE(link.LinkBusy);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(rec.EdsFlag, 1);
  EXPECT_EQ(rec.ConfigYear, 2026);
  EXPECT_EQ(rec.ConfigSecond, 9);

  const std::vector<uint32_t> block0 = PackBlock0(rec);
  ASSERT_EQ(block0.size(), 29u);
  EXPECT_EQ(Words(module, 0, 40, 29), block0);
  EXPECT_EQ(module.Word(0, 156), wordAfterBlock0);  // shown after the last word, left alone
  EXPECT_EQ(Words(module, 2, 0, 4), PackBlock2(rec));
  EXPECT_EQ(module.Word(0, 0), 0x0105u);       // firmware words never written
  EXPECT_EQ(module.Word(0, 48), 0x02090005u);  // RxPDO closed, node 9, CANopen, 500 kbit/s
  EXPECT_EQ(module.Word(0, 52), (2026u << 16) | (12u << 8) | 7u);
  EXPECT_EQ(module.Word(0, 56), (14u << 24) | (35u << 16) | (9u << 8) | 2u);
  EXPECT_EQ(module.Word(0, 80), (9999u << 16) | 254u);  // object 1: W10
  EXPECT_TRUE(EdsWritten(rec));
  // The editor opened later starts from what the module now holds.
  EXPECT_EQ(rec.ModuleAppObjectCount, 2);
  EXPECT_EQ(rec.ModuleAppObjects[1], (AppObject{"247", 0, 9999, 254}));
}

TEST_F(DownloadTest, UnchangedTableLeavesObjectWordsZeroAndTravelsNegativeWords) {
  SimulatedModule module(sim::ExampleImage(), {});
  ASSERT_TRUE(module.started());
  ParaDef rec;
  rec.ModulePrompt = "5160QT>";
  rec.AppObjectsUnchanged = true;  // block 2 word 0 gets 0xFF in its top byte
  rec.GuardTime = 0x1234;
  rec.LifeTimeFactor = 3;
  BuildPdoMapping(rec);

  ASSERT_EQ(Download(module, rec), DownloadResult::Done);
  EXPECT_EQ(Words(module, 0, 68, 22), std::vector<uint32_t>(22, 0u));
  EXPECT_EQ(module.Word(0, 56) & 0xFF, 0u);
  EXPECT_EQ(module.Word(2, 0), 0xFF123403u);  // sent as -15518717
  EXPECT_EQ(module.Word(2, 8), (3u << 24) | (3u << 16));
}

TEST_F(DownloadTest, ConsoleThatStopsAnsweringEndsInTimeoutWithoutEdsFile) {
  // Lines before "block 0": "/q", "exit", ".", "exit", "use eeprom"; then "block 0", "el 40"
  // and the words.
  for (int lines : {5, 22}) {
    SCOPED_TRACE(lines);
    sim::SimOptions options;
    options.dieAfterLines = lines;
    SimulatedModule module(sim::ExampleImage(), options);
    ASSERT_TRUE(module.started());
    ParaDef rec = EditedRecord();
    observer = {};
    EXPECT_EQ(Download(module, rec), DownloadResult::Failed);
    EXPECT_EQ(observer.messages, Strings{"Q-4410C Utility: Timeout"});
    EXPECT_EQ(observer.status, "Timeout");
    EXPECT_FALSE(link.LinkBusy);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(EdsWritten(rec));
  }
}

TEST_F(DownloadTest, PortFailuresAndABusyLink) {
  ParaDef rec = EditedRecord();
  EXPECT_EQ(RunDownload(rec, link, {"/dev/q4410-no-such-port", "", kClock}, observer).result,
            DownloadResult::Failed);
  EXPECT_EQ(observer.messages, Strings{"Warning: Can't open /dev/q4410-no-such-port!"});
  EXPECT_FALSE(link.LinkBusy);

  SimulatedModule module;
  ASSERT_TRUE(module.started());
  QtSerialPort holder;
  ASSERT_TRUE(holder.Open(module.device()).ok());
  observer = {};
  EXPECT_EQ(Download(module, rec), DownloadResult::Failed);
  EXPECT_EQ(observer.messages,
            Strings{"Q-4410C Utility: " + module.device() + " has been occupied"});
  EXPECT_EQ(observer.status, module.device() + " has been occupied");
  EXPECT_FALSE(link.LinkBusy);
  holder.Close();

  const std::vector<char> before = module.ImageBytes();
  link.LinkBusy = true;
  observer = {};
  EXPECT_EQ(Download(module, rec), DownloadResult::Busy);
  EXPECT_EQ(observer.events, Strings{});
  EXPECT_EQ(module.ImageBytes(), before);
}

}  // namespace
}  // namespace q4410
