#include "link/connect_procedure.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <thread>

#include "config/eeprom_image.h"
#include "config/para_def.h"
#include "connect_observer.h"
#include "link/console.h"
#include "link/qt_serial_port.h"
#include "scripted_port.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

using namespace std::chrono_literals;
using testing::RecordingConnectObserver;
using testing::SimulatedModule;
using Strings = std::vector<std::string>;

// A module as a CANopen download leaves it: node 5 at 125 kbit/s, 19200 baud even parity,
// two objects and the byte counts that go with them.
ParaDef ConfiguredRecord() {
  ParaDef rec;
  rec.NodeId = 5;
  rec.CanBaudCode = 3;
  rec.ComBaudCode = 4;
  rec.ComParity = 1;
  rec.ComTimeoutMs = 300;
  rec.ComChecksum = ComChecksumOf(rec);
  rec.ConfigYear = 2026;
  rec.ConfigMonth = 12;
  rec.ConfigDay = 1;
  rec.ConfigHour = 10;
  rec.ConfigMinute = 20;
  rec.ConfigSecond = 30;
  rec.Block2Length = 16;
  rec.AppObjects[0] = {"1", 3, 1, 4};
  rec.AppObjects[1] = {"2", 0, 1, 10};
  rec.AppObjectCount = 2;
  rec.AppObjectsUnchanged = false;
  rec.RxDigitalBytes = 2;
  rec.TxAnalogBytes = 8;
  rec.GuardTime = 1000;
  rec.LifeTimeFactor = 3;
  rec.RxPdoLast = 1;
  rec.TxPdoLast = 1;
  return rec;
}

void Store(SimulatedModule& module, const std::vector<uint32_t>& block0,
           const std::vector<uint32_t>& block2) {
  for (std::size_t i = 0; i < block0.size(); ++i) module.SetWord(0, 40 + 4 * int(i), block0[i]);
  for (std::size_t i = 0; i < block2.size(); ++i) module.SetWord(2, 4 * int(i), block2[i]);
}

const ConsoleEnv kSleepEnv = PlainConsoleEnv();

class ConnectTest : public ::testing::Test {
 protected:
  ConnectResult Connect(SimulatedModule& module, AppSelection selected = AppSelection::CANopen,
                        const ConsoleEnv& env = kSleepEnv) {
    const auto start = std::chrono::steady_clock::now();
    const ConnectResult result = RunConnect(rec, port, {module.device(), selected}, env, observer);
    elapsed = std::chrono::steady_clock::now() - start;
    return result;
  }

  ParaDef rec;
  QtSerialPort port;
  RecordingConnectObserver observer;
  std::chrono::steady_clock::duration elapsed{};
};

TEST_F(ConnectTest, ConfiguredModuleIsReadWithoutChangingIt) {
  const ParaDef stored = ConfiguredRecord();
  SimulatedModule module;
  ASSERT_TRUE(module.started());
  Store(module, PackBlock0(stored), PackBlock2(stored));
  const std::vector<char> before = module.ImageBytes();

  ASSERT_EQ(Connect(module), ConnectResult::Connected) << ::testing::PrintToString(observer.events);
  EXPECT_EQ(module.ImageBytes(), before);
  EXPECT_EQ(observer.events, (Strings{"started", "shown 1", "status Waiting for configuration"}));
  EXPECT_EQ(observer.progress, (std::vector<int>{0, 1, 2, 4, 5, 6, 7, 9, 10}));
  EXPECT_FALSE(rec.LinkBusy);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(rec.EepromDataError);
  EXPECT_EQ(rec.ModulePrompt, "5160QT>");
  EXPECT_EQ(rec.ModuleIdentified, 1);
  EXPECT_EQ(FirmwareText(rec), "1.05-2008/03/12");
  EXPECT_EQ(rec.NodeId, 5);
  EXPECT_EQ(rec.CanBaudCode, 3);
  EXPECT_EQ(rec.ComBaudCode, 4);
  EXPECT_EQ(rec.ComParity, 1);
  EXPECT_EQ(rec.ComTimeoutMs, 300);
  EXPECT_EQ(rec.ConfigYear, 2026);
  EXPECT_EQ(rec.ConfigSecond, 30);
  ASSERT_EQ(rec.ModuleAppObjectCount, 2);
  EXPECT_EQ(rec.ModuleAppObjects[0], (AppObject{"1", 3, 1, 4}));
  EXPECT_EQ(rec.ModuleAppObjects[1], (AppObject{"2", 0, 1, 10}));
  EXPECT_EQ(rec.RxDigitalBytes, 2);
  EXPECT_EQ(rec.TxAnalogBytes, 4);  // registers, as stored
  EXPECT_TRUE(rec.AppObjectsUnchanged);
  EXPECT_EQ(rec.Block0Length, 108);
  EXPECT_EQ(rec.Block2Length, 12);
  const std::vector<uint32_t> block0 = PackBlock0(stored);
  ASSERT_EQ(rec.Block0Image.size(), 30u);
  EXPECT_TRUE(std::equal(block0.begin(), block0.end(), rec.Block0Image.begin()));
  EXPECT_EQ(rec.Block2Image, PackBlock2(stored));
  EXPECT_LT(elapsed, 3s);
}

TEST_F(ConnectTest, WordsAbove31BitsSurviveTheRead) {
  // A word with its top bit set shows as a negative value and must be typed back as one.
  SimulatedModule module;
  ASSERT_TRUE(module.started());
  ParaDef stored = ConfiguredRecord();
  std::vector<uint32_t> block0 = PackBlock0(stored);
  block0[2] |= 0x03000000u;                             // both PDO mappings closed
  block0[4] = 0xFF000000u | (block0[4] & 0x00FFFFFFu);  // hour 255: out of range
  Store(module, block0, {0xFF0003E8u, 0, 0x01010000u, 0xFFFFFFFFu});
  module.SetWord(0, 156, 0x80000000u);
  const std::vector<char> before = module.ImageBytes();

  ASSERT_EQ(Connect(module), ConnectResult::Connected);
  EXPECT_EQ(module.ImageBytes(), before);
  EXPECT_EQ(rec.Block0Image[4], block0[4]);
  EXPECT_EQ(rec.Block0Image[29], 0x80000000u);
  EXPECT_EQ(rec.Block2Image, (std::vector<uint32_t>{0xFF0003E8u, 0, 0x01010000u, 0xFFFFFFFFu}));
  EXPECT_EQ(rec.TxPdoClosed, 1);
  EXPECT_EQ(rec.RxPdoClosed, 1);
  // The hour is a stored field out of range: both warnings, the second after the module shows.
  EXPECT_EQ(observer.events,
            (Strings{"started", "Warnning: Some2 EEPROM Data is Error!", "shown 1",
                     "status Waiting for configuration", "Warnning: Some EEPROM Data is Error!"}));
  EXPECT_TRUE(rec.EepromDataError);
  EXPECT_EQ(rec.NodeId, 1);  // data-error defaults
  EXPECT_EQ(rec.ComBaudCode, 3);
  EXPECT_EQ(rec.ComTimeoutMs, 200);
  EXPECT_EQ(rec.ModuleAppObjectCount, 0);
  EXPECT_FALSE(rec.AppObjectsUnchanged);
}

TEST_F(ConnectTest, BlankModuleConnectsWithDefaultsAndOneWarning) {
  SimulatedModule module;
  ASSERT_TRUE(module.started());
  const std::vector<char> before = module.ImageBytes();
  rec.AppKind = 1;
  rec.NodeId = 42;
  rec.ComParity = 2;

  ASSERT_EQ(Connect(module), ConnectResult::Connected);
  EXPECT_EQ(observer.messages, (Strings{"Warnning: Some EEPROM Data is Error!"}));
  EXPECT_EQ(observer.progress, (std::vector<int>{0, 1, 2, 4, 5, 7, 9, 10}));
  EXPECT_EQ(observer.status, "Waiting for configuration");
  EXPECT_TRUE(rec.EepromDataError);
  EXPECT_EQ(rec.NodeId, 1);
  EXPECT_EQ(rec.ComParity, 0);
  EXPECT_EQ(rec.ComChecksum, 174);
  EXPECT_EQ(rec.AppKind, 1);  // kept: W0 stopped the decoding before W2
  EXPECT_EQ(FirmwareText(rec), "1.05-2008/03/12");
  EXPECT_EQ(module.ImageBytes(), before);
}

TEST_F(ConnectTest, DeviceNetReadsBlockOneAndRefusesNode100) {
  SimulatedModule module;
  ASSERT_TRUE(module.started());
  ParaDef stored = ConfiguredRecord();
  stored.NodeId = 100;
  stored.Block1Length = 28;
  Store(module, PackBlock0(stored), {});
  const std::vector<uint32_t> paths{0,           0x01050164u, 0x02050165u, 0,
                                    0x01050166u, 0x80000001u, 0xFFFFFFFFu};
  for (int i = 0; i < 7; ++i) module.SetWord(1, 4 * i, paths[i]);
  const std::vector<char> before = module.ImageBytes();

  ASSERT_EQ(Connect(module, AppSelection::DeviceNet), ConnectResult::Connected);
  EXPECT_EQ(module.ImageBytes(), before);
  ASSERT_EQ(rec.Block1Image.size(), 8u);
  EXPECT_TRUE(std::equal(paths.begin(), paths.end(), rec.Block1Image.begin()));
  EXPECT_EQ(rec.Block1Length, 28);
  EXPECT_TRUE(rec.EepromDataError);
  EXPECT_EQ(observer.messages, (Strings{"Warnning: Some2 EEPROM Data is Error!",
                                        "Warnning: Some EEPROM Data is Error!"}));
  EXPECT_EQ(rec.NodeId, 1);

  // The same module read with "CANopen" selected accepts node 100.
  RecordingConnectObserver canopen;
  ParaDef again;
  ASSERT_EQ(RunConnect(again, port, {module.device(), AppSelection::CANopen}, kSleepEnv, canopen),
            ConnectResult::Connected);
  EXPECT_TRUE(canopen.messages.empty());
  EXPECT_EQ(again.NodeId, 100);
  EXPECT_EQ(module.ImageBytes(), before);
}

TEST_F(ConnectTest, The5160rControllerIsRecognised) {
  sim::SimOptions options;
  options.controller = "5160r";
  SimulatedModule module(options);
  ASSERT_TRUE(module.started());
  const ParaDef stored = ConfiguredRecord();
  Store(module, PackBlock0(stored), PackBlock2(stored));
  ASSERT_EQ(Connect(module), ConnectResult::Connected);
  EXPECT_EQ(rec.ModulePrompt, "5160r>");
  EXPECT_EQ(observer.events, (Strings{"started", "shown 0", "status Waiting for configuration"}));
}

TEST_F(ConnectTest, ConnectWorksWhileTheEventLoopRuns) {
  SimulatedModule module;
  ASSERT_TRUE(module.started());
  const ParaDef stored = ConfiguredRecord();
  Store(module, PackBlock0(stored), PackBlock2(stored));
  const ConsoleEnv windowEnv{kSleepEnv.now, [] {
                               QCoreApplication::processEvents();
                               std::this_thread::sleep_for(100us);
                             }};
  ASSERT_EQ(Connect(module, AppSelection::CANopen, windowEnv), ConnectResult::Connected);
  EXPECT_EQ(rec.NodeId, 5);
  EXPECT_FALSE(rec.EepromDataError);
}

TEST_F(ConnectTest, SilentConsoleTimesOutAtTheFirstExchangeThatMustSucceed) {
  sim::SimOptions options;
  options.silent = true;
  SimulatedModule module(options);
  ASSERT_TRUE(module.started());
  ASSERT_EQ(Connect(module), ConnectResult::Failed);
  EXPECT_EQ(observer.events, (Strings{"started", "Error: Timeout", "status Timeout", "released"}));
  EXPECT_EQ(observer.progress, (std::vector<int>{0, 1}));
  EXPECT_FALSE(rec.LinkBusy);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(rec.ModuleIdentified, 0);
  // Six reply windows of 200 ms and the typing.
  EXPECT_GE(elapsed, 1200ms);
  EXPECT_LT(elapsed, 2500ms);
}

TEST_F(ConnectTest, GarbledValuesAreNeverTypedBack) {
  sim::SimOptions options;
  options.garbleValues = true;
  SimulatedModule module(options);
  ASSERT_TRUE(module.started());
  const ParaDef stored = ConfiguredRecord();
  Store(module, PackBlock0(stored), PackBlock2(stored));
  const std::vector<char> before = module.ImageBytes();
  ASSERT_EQ(Connect(module), ConnectResult::Failed);
  EXPECT_EQ(module.ImageBytes(), before);
  EXPECT_EQ(observer.events, (Strings{"started", "Error: Timeout", "status Timeout", "released"}));
  EXPECT_FALSE(rec.LinkBusy);
  EXPECT_FALSE(port.IsOpen());
}

TEST_F(ConnectTest, ConsoleDyingHalfwayLeavesTheModuleAsItWas) {
  sim::SimOptions options;
  options.dieAfterLines = 20;  // in the middle of block 0
  SimulatedModule module(options);
  ASSERT_TRUE(module.started());
  const ParaDef stored = ConfiguredRecord();
  Store(module, PackBlock0(stored), PackBlock2(stored));
  const std::vector<char> before = module.ImageBytes();
  ASSERT_EQ(Connect(module), ConnectResult::Failed);
  EXPECT_EQ(observer.messages, (Strings{"Error: Timeout"}));
  EXPECT_EQ(observer.progress, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(rec.ModulePrompt, "5160QT>");  // what was learnt before stays
  EXPECT_EQ(module.ImageBytes(), before);
  EXPECT_FALSE(rec.LinkBusy);
}

TEST_F(ConnectTest, PortFailuresAreReportedBeforeAnythingChanges) {
  SimulatedModule module;
  ASSERT_TRUE(module.started());
  QtSerialPort other;
  ASSERT_TRUE(other.Open(module.device()).ok());
  rec.NodeId = 42;
  EXPECT_EQ(Connect(module), ConnectResult::NotOpened);
  const std::string occupied = module.device() + " has been occupied";
  EXPECT_EQ(observer.events, (Strings{"Error: " + occupied, "status " + occupied, "released"}));
  EXPECT_FALSE(rec.LinkBusy);
  EXPECT_EQ(rec.NodeId, 42);

  RecordingConnectObserver missing;
  EXPECT_EQ(
      RunConnect(rec, port, {"/dev/q4410-missing", AppSelection::CANopen}, kSleepEnv, missing),
      ConnectResult::NotOpened);
  EXPECT_EQ(missing.events, (Strings{"Error: Can't open /dev/q4410-missing!"}));
  EXPECT_EQ(rec.NodeId, 42);
}

// Cases the simulator cannot be made to show: a scripted module.
class ScriptedConnectTest : public ::testing::Test {
 protected:
  testing::FakeClock clock;
  testing::ScriptedPort port{clock};
  ParaDef rec;
  RecordingConnectObserver observer;
};

TEST_F(ScriptedConnectTest, BusyLinkDoesNothing) {
  port.Close();
  rec.LinkBusy = true;
  EXPECT_EQ(RunConnect(rec, port, {"COM 3", AppSelection::CANopen}, clock.Env(), observer),
            ConnectResult::Busy);
  EXPECT_TRUE(observer.events.empty());
  EXPECT_TRUE(port.typed.empty());
  EXPECT_FALSE(port.IsOpen());
  EXPECT_TRUE(rec.LinkBusy);
}

TEST_F(ScriptedConnectTest, UnknownControllerIsRefused) {
  port.answer = [](const std::string& line) {
    return std::vector<testing::ScriptedPort::Chunk>{{1ms, line + "\r\nQ-9999>"}};
  };
  EXPECT_EQ(RunConnect(rec, port, {"COM 3", AppSelection::CANopen}, clock.Env(), observer),
            ConnectResult::Failed);
  EXPECT_EQ(observer.events, (Strings{"started", "Error: This modules is not 5160QT!",
                                      "status Timeout", "released"}));
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(rec.LinkBusy);
  EXPECT_EQ(port.lines, (Strings{"", "", "", "/q", ".", "exit"}));
}

TEST_F(ScriptedConnectTest, GarbledWordEndsTheEditWithoutTypingAValue) {
  // A module whose console shows word 44 as "1x3": nothing may be typed in its place.
  port.answer = [](const std::string& line) {
    std::string out = line + "\r\n";
    if (line == "el 40")
      out += "Long(40)=28573804-->";
    else if (line == "28573804")
      out += "Long(44)=1x3-->";
    else if (line.starts_with("el "))
      out += "Long(" + line.substr(3) + ")=261-->";
    else if (line == "261")
      out += "Long(4)=131597068-->";
    else if (line == "131597068")
      out += "Long(8)=0-->";
    else if (line == "exit")
      out += "5160QT>";
    else
      out += "[EEPROM:]";
    return std::vector<testing::ScriptedPort::Chunk>{{1ms, out}};
  };
  EXPECT_EQ(RunConnect(rec, port, {"COM 3", AppSelection::CANopen}, clock.Env(), observer),
            ConnectResult::Failed);
  EXPECT_EQ(observer.messages, (Strings{"Error: Timeout"}));
  const Strings tail(port.lines.end() - 4, port.lines.end());
  EXPECT_EQ(tail, (Strings{".", "el 40", "28573804", "."}));
}

}  // namespace
}  // namespace q4410
