// The download against a module: the words that end up in its EEPROM, and how every failure
// leaves the module, the link and the EDS file.
#include "canopen/download_procedure.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>

#include "canopen/pdo_builder.h"
#include "config/app_object_table.h"
#include "link/connect_procedure.h"
#include "link/qt_serial_port.h"
#include "sim/image_report.h"
#include "tests/support/recording_observer.h"
#include "tests/support/records.h"
#include "tests/support/scripted_port.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

using namespace std::chrono_literals;
using testing::SimulatedModule;
using Strings = std::vector<std::string>;
using Chunks = std::vector<testing::ScriptedPort::Chunk>;

constexpr LocalTime kClock{2026, 12, 7, 14, 35, 9};

class DownloadTest : public ::testing::Test {
 protected:
  DownloadResult Download(const std::string& device, ParaDef& rec) {
    return RunDownload(rec, link, {device, edsDir.path().toStdString(), kClock}, observer).result;
  }

  QTemporaryDir edsDir;
  QtSerialPort port;
  Link link{port, PlainConsoleEnv()};
  testing::RecordingConnectObserver observer;
};

// Connect, the editor's "Next", the download: every word written, as literal values. Block 2
// held a guard time and a word at offset 12 from an earlier tool; the first download after a
// connect writes guard time 0 and all four words of block 2.
TEST_F(DownloadTest, AfterAConnectWritesTheLiteralWordsAndTheEdsFile) {
  SimulatedModule module(sim::ExampleImage(), {});
  ASSERT_TRUE(module.started());
  module.SetWord(0, 44, 0x0000000Cu);  // block 2 length 12, as a DeviceNet tool leaves it
  module.SetWord(2, 0, 0x0005DC03u);   // guard time 1500, life time factor 3
  module.SetWord(2, 12, 0x12345678u);
  const uint32_t wordAfterBlock0 = module.Word(0, 156);
  ParaDef rec;
  ASSERT_EQ(RunConnect(rec, link, {module.device(), AppSelection::CANopen}, observer),
            ConnectResult::Connected);
  LoadAppObjectTable(rec);
  MarkTableForDownload(rec);
  BuildPdoMapping(rec);

  ASSERT_EQ(Download(module.device(), rec), DownloadResult::Done)
      << ::testing::PrintToString(observer.events);
  EXPECT_EQ(observer.messages, Strings{});
  EXPECT_EQ(observer.status, "Produce .EDS file is OK");
  EXPECT_FALSE(link.LinkBusy || port.IsOpen());
  std::vector<uint32_t> block0{0x01B4006Cu, 0x00000010u, 0x00050003u, 0x07EA0C07u,
                               0x0E230902u, 0x04080101u, 0x012C5500u, 0x01030000u,
                               0x00010004u, 0x02000000u, 0x0001000Au};
  block0.resize(27, 0u);
  block0.push_back(0x00020000u);  // two bytes of Write DO
  block0.push_back(0x00000004u);  // four registers of Read AI
  EXPECT_EQ(module.Words(0, 40, 29), block0);
  EXPECT_EQ(module.Word(0, 156), wordAfterBlock0);  // shown after the last word, left alone
  EXPECT_EQ(module.Word(0, 0), 0x0105u);            // firmware words never written
  EXPECT_EQ(module.Words(2, 0, 4), (std::vector<uint32_t>{0, 0, 0x03030000u, 0}));
  EXPECT_EQ(QDir(edsDir.path()).entryList({"*.eds"}), QStringList{"COPn5.eds"});
}

// A console whose word editor goes on at another offset than the word typed (a skipped or
// repeated word) fails the download at once.
TEST_F(DownloadTest, WordEditAnsweredAtTheWrongOffsetFails) {
  testing::FakeClock clock;
  testing::ScriptedPort scripted(clock);
  Link fake{scripted, clock.Env()};
  long offset = -1;  // the word the editor shows; -1 outside the editor
  scripted.answer = [&offset](const std::string& line) {
    if (line == "exit") return Chunks{{0us, line + "\r\n"}, {1ms, "5160QT>"}};
    if (line == ".")
      offset = -1;
    else if (line.starts_with("el "))
      offset = std::stol(line.substr(3));
    else if (offset >= 0 && !line.empty())
      offset += offset == 48 ? 8 : 4;  // skips the word at offset 52
    const std::string prompt =
        offset < 0 ? "[EEPROM:]" : "Long(" + std::to_string(offset) + ")=0-->";
    return Chunks{{0us, line + "\r\n"}, {1ms, prompt}};
  };
  ParaDef rec = testing::ConfiguredRecord();
  EXPECT_EQ(RunDownload(rec, fake, {"COM 3", edsDir.path().toStdString(), kClock}, observer).result,
            DownloadResult::Failed);
  EXPECT_EQ(observer.messages, Strings{"Q-4410C Utility: Timeout"});
  EXPECT_FALSE(fake.LinkBusy);
  EXPECT_EQ(QDir(edsDir.path()).entryList({"*.eds"}), QStringList{});
  EXPECT_EQ(std::count(scripted.lines.begin(), scripted.lines.end(), "block 2"), 0);
}

TEST_F(DownloadTest, PortFailures) {
  ParaDef rec = testing::ConfiguredRecord();
  EXPECT_EQ(Download("/dev/q4410-no-such-port", rec), DownloadResult::Failed);
  EXPECT_EQ(observer.messages, Strings{"Warning: Can't open /dev/q4410-no-such-port!"});
  EXPECT_FALSE(link.LinkBusy);

  SimulatedModule module;
  ASSERT_TRUE(module.started());
  QtSerialPort holder;
  ASSERT_TRUE(holder.Open(module.device()).ok());
  observer = {};
  EXPECT_EQ(Download(module.device(), rec), DownloadResult::Failed);
  EXPECT_EQ(observer.messages,
            Strings{"Q-4410C Utility: " + module.device() + " has been occupied"});
  EXPECT_FALSE(link.LinkBusy);
}

}  // namespace
}  // namespace q4410
