// Whole EDS files of two configurations against files written out by hand.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "tests/canopen/eds_check.h"

namespace q4410 {
namespace {

// A module as the connect leaves it: its node, CAN baud code, prompt and firmware.
ParaDef Module(int node, int baud, const char* prompt, std::array<int, 5> firmware) {
  ParaDef rec;
  rec.NodeId = node;
  rec.CanBaudCode = baud;
  rec.ModulePrompt = prompt;
  std::tie(rec.FirmwareMajor, rec.FirmwareMinor, rec.FirmwareYear, rec.FirmwareMonth,
           rec.FirmwareDay) = std::tuple_cat(firmware);
  return rec;
}

TEST(EdsFile, WholeFilesAsWrittenByHand) {
  ParaDef guarding = Module(5, 3, "5160r>", {1, 5, 2006, 12, 15});  // no objects
  guarding.GuardTime = 500;
  guarding.LifeTimeFactor = 3;
  ParaDef received = Module(10, 7, "5160QT>", {2, 10, 2014, 6, 3});
  received.AppObjects[0] = {"1", 0, 1, 20};
  received.AppObjects[1] = {"2", 1, 100, 2};
  received.AppObjectCount = 2;
  received.EdsInfoText = {"Gateway hall 3", "M\xC3\xBCller"};

  const struct {
    ParaDef rec;
    LocalTime clock;
    const char* file;
  } cases[] = {{guarding, {2026, 12, 5, 0, 30, 41}, "no_objects_node_guarding.eds"},
               {received, {2026, 3, 9, 14, 35, 0}, "rx_digital_and_analog.eds"}};
  for (auto [rec, clock, file] : cases) {
    std::ifstream in(std::string(Q4410_TEST_DATA) + "/" + file, std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    BuildPdoMapping(rec);
    const std::string text = EdsFileText(rec, clock);
    EXPECT_EQ(text, expected.str()) << file;
    EXPECT_EQ(testing::CheckEds(text).problems, std::vector<std::string>{}) << file;
  }
}

}  // namespace
}  // namespace q4410
