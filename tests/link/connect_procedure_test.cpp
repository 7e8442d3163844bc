#include "link/connect_procedure.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "config/para_def.h"
#include "link/qt_serial_port.h"
#include "sim/image_report.h"
#include "tests/support/recording_observer.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

using testing::RecordingConnectObserver;
using testing::SimulatedModule;
using Strings = std::vector<std::string>;

const ConsoleEnv kSleepEnv = PlainConsoleEnv();

class ConnectTest : public ::testing::Test {
 protected:
  // A module holding the example configuration: node 5 at 125 kbit/s, 19200 baud even
  // parity, time-out 300 ms, two objects, block 2 as a download writes it.
  std::unique_ptr<SimulatedModule> ExampleModule(sim::SimOptions options = {}) {
    return std::make_unique<SimulatedModule>(sim::ExampleImage(), options);
  }

  ConnectResult Connect(const SimulatedModule& module,
                        AppSelection selected = AppSelection::CANopen) {
    return RunConnect(rec, link, {module.device(), selected}, observer);
  }

  ParaDef rec;
  QtSerialPort port;
  Link link{port, kSleepEnv};
  RecordingConnectObserver observer;
};

TEST_F(ConnectTest, ConfiguredModuleIsReadWithoutChangingIt) {
  auto module = ExampleModule();
  ASSERT_TRUE(module->started());
  const std::vector<char> before = module->ImageBytes();

  ASSERT_EQ(Connect(*module), ConnectResult::Connected)
      << ::testing::PrintToString(observer.events);
  EXPECT_EQ(module->ImageBytes(), before);
  EXPECT_EQ(observer.events, (Strings{"started", "shown 1", "status Waiting for configuration"}));
  EXPECT_EQ(observer.progress, (std::vector<int>{0, 1, 2, 4, 5, 6, 7, 9, 10}));
  EXPECT_FALSE(link.LinkBusy || port.IsOpen() || rec.EepromDataError || !rec.AppObjectsUnchanged);
  EXPECT_EQ(std::tuple(rec.NodeId, rec.ModuleAppObjects[1]),
            std::tuple(5, AppObject{"2", 0, 1, 10}));
  EXPECT_EQ(rec.Block0Image, module->Words(0, 40, 30));
  EXPECT_EQ(rec.Block2Image, module->Words(2, 0, 4));
}

TEST_F(ConnectTest, FieldOutOfRangeWarnsTwiceAndWordsAbove31BitsStayIntact) {
  auto module = ExampleModule();
  ASSERT_TRUE(module->started());
  // Top bits set: shown as negative values, they must be typed back as such.
  module->SetWord(0, 56, 0xFF000000u | (module->Word(0, 56) & 0xFFFFFFu));  // hour 255
  module->SetWord(0, 156, 0x80000000u);
  module->SetWord(2, 8, 0xFFFFFFFFu);
  const std::vector<char> before = module->ImageBytes();

  ASSERT_EQ(Connect(*module), ConnectResult::Connected);
  EXPECT_EQ(module->ImageBytes(), before);
  EXPECT_EQ(rec.Block0Image[4] >> 24, 255u);
  EXPECT_EQ(rec.Block0Image[29], 0x80000000u);
  EXPECT_EQ(rec.Block2Image[2], 0xFFFFFFFFu);
  EXPECT_EQ(observer.events,
            (Strings{"started", "Warnning: Some2 EEPROM Data is Error!", "shown 1",
                     "status Waiting for configuration", "Warnning: Some EEPROM Data is Error!"}));
  EXPECT_TRUE(rec.EepromDataError);
  EXPECT_EQ(std::tuple(rec.NodeId, rec.ComBaudCode, rec.ModuleAppObjectCount),
            std::tuple(1, 3, 0));  // the data-error defaults
  EXPECT_FALSE(rec.AppObjectsUnchanged);
}

TEST_F(ConnectTest, BlankModuleConnectsWithDefaultsAndOneWarning) {
  SimulatedModule module;
  ASSERT_TRUE(module.started());
  rec.AppKind = 1;
  rec.ComParity = 2;
  ASSERT_EQ(Connect(module), ConnectResult::Connected);
  EXPECT_EQ(observer.messages, (Strings{"Warnning: Some EEPROM Data is Error!"}));
  EXPECT_EQ(std::tuple(rec.NodeId, rec.ComParity, rec.AppKind), std::tuple(1, 0, 1));  // kind kept
}

// On a 5160r controller, which the connect recognises by its prompt, block 1 is read too.
TEST_F(ConnectTest, DeviceNetReadsBlockOne) {
  sim::SimOptions options;
  options.controller = "5160r";
  auto module = ExampleModule(options);
  ASSERT_TRUE(module->started());
  module->SetWord(0, 44, 28u << 16 | (module->Word(0, 44) & 0xFFFFu));  // block 1: 28 bytes
  const std::vector<uint32_t> paths{0,           0x01050164u, 0x02050165u, 0,
                                    0x01050166u, 0x80000001u, 0xFFFFFFFFu};
  for (int i = 0; i < 7; ++i) module->SetWord(1, 4 * i, paths[i]);
  const std::vector<char> before = module->ImageBytes();

  ASSERT_EQ(Connect(*module, AppSelection::DeviceNet), ConnectResult::Connected);
  EXPECT_EQ(module->ImageBytes(), before);
  ASSERT_EQ(rec.Block1Image.size(), 8u);
  EXPECT_EQ(std::vector(rec.Block1Image.begin(), rec.Block1Image.begin() + 7), paths);
  EXPECT_EQ(observer.events, (Strings{"started", "shown 0", "status Waiting for configuration"}));
  EXPECT_EQ(rec.ModulePrompt, "5160r>");
}

// A console that is silent, garbles the values it shows (never typed back), or stops answering
// before the connect's last "exit" fails the connect with "Timeout" and changes nothing.
TEST_F(ConnectTest, ConsoleFaultsTimeOutAndLeaveTheModuleAlone) {
  sim::SimOptions silent, garbled, dying;
  silent.silent = true;
  garbled.garbleValues = true;
  dying.dieAfterLines = 49;  // the connect types 50 lines
  for (const sim::SimOptions& options : {silent, garbled, dying}) {
    auto module = ExampleModule(options);
    ASSERT_TRUE(module->started());
    const std::vector<char> before = module->ImageBytes();
    observer = {};
    EXPECT_EQ(Connect(*module), ConnectResult::Failed);
    EXPECT_EQ(observer.events,
              (Strings{"started", "Error: Timeout", "status Timeout", "released"}));
    EXPECT_FALSE(link.LinkBusy || port.IsOpen());
    EXPECT_EQ(module->ImageBytes(), before);
  }
  sim::SimOptions lastLine;
  lastLine.dieAfterLines = 50;
  auto module = ExampleModule(lastLine);
  observer = {};
  EXPECT_EQ(Connect(*module), ConnectResult::Connected);
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
  EXPECT_FALSE(link.LinkBusy);
  EXPECT_EQ(rec.NodeId, 42);

  RecordingConnectObserver missing;
  EXPECT_EQ(RunConnect(rec, link, {"/dev/q4410-missing", AppSelection::CANopen}, missing),
            ConnectResult::NotOpened);
  EXPECT_EQ(missing.events, (Strings{"Error: Can't open /dev/q4410-missing!"}));
  EXPECT_EQ(rec.NodeId, 42);
}

// A controller that is neither 5160QT nor 5160r is refused once it has shown its prompt.
TEST_F(ConnectTest, UnknownControllerIsRefused) {
  sim::SimOptions options;
  options.controller = "Q-9999";
  auto module = ExampleModule(options);
  EXPECT_EQ(Connect(*module), ConnectResult::Failed);
  EXPECT_EQ(observer.events, (Strings{"started", "Error: This modules is not 5160QT!",
                                      "status Timeout", "released"}));
  EXPECT_FALSE(port.IsOpen() || link.LinkBusy);
}

}  // namespace
}  // namespace q4410
