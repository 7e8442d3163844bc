// Whole EDS files of two configurations against files written out by hand, and the structure
// every EDS reader relies on.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "tests/canopen/eds_ini_check.h"

namespace q4410 {
namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Expected(const char* name) {
  std::string text = ReadBytes(std::string(Q4410_TEST_DATA) + "/" + name);
  EXPECT_FALSE(text.empty()) << name;
  return text;
}

// Names the first differing line, then compares the whole text.
void ExpectSameText(const std::string& actual, const std::string& expected) {
  std::istringstream a(actual), e(expected);
  std::string la, le;
  int line = 1;
  while (std::getline(a, la) && std::getline(e, le) && la == le) ++line;
  EXPECT_EQ(actual, expected) << "first difference at line " << line;
}

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

TEST(EdsFile, NoObjectsInNodeGuardingMode) {
  ParaDef rec = Module(5, 3, "5160r>", {1, 5, 2006, 12, 15});
  rec.GuardTime = 500;
  rec.LifeTimeFactor = 3;
  BuildPdoMapping(rec);
  std::string text = EdsFileText(rec, {2026, 12, 5, 0, 30, 41});
  ExpectSameText(text, Expected("no_objects_node_guarding.eds"));
  EXPECT_EQ(testing::CheckEdsStructure(text), std::vector<std::string>{});
}

TEST(EdsFile, ReceiveDigitalAndAnalogData) {
  ParaDef rec = Module(10, 7, "5160QT>", {2, 10, 2014, 6, 3});
  rec.AppObjects[0] = {"1", 0, 1, 20};
  rec.AppObjects[1] = {"2", 1, 100, 2};
  rec.AppObjectCount = 2;
  rec.EdsInfoText = {"Gateway hall 3", "M\xC3\xBCller"};
  BuildPdoMapping(rec);
  std::string text = EdsFileText(rec, {2026, 3, 9, 14, 35, 0});
  ExpectSameText(text, Expected("rx_digital_and_analog.eds"));
  EXPECT_EQ(testing::CheckEdsStructure(text), std::vector<std::string>{});
}

// The structure holds for every mix of kinds, closed flags, modes and lengths, up to the
// longest objects the editor admits.
TEST(EdsFile, StructureHoldsAcrossConfigurations) {
  const int lengths[6] = {254, 55, 254, 55, 254, 55};
  for (int mask = 0; mask < 64; ++mask) {
    int variant = mask % 4;
    bool longest = (mask / 4) % 2 == 1;
    ParaDef rec;
    int slot = 0;
    for (int kind = 0; kind < 6; ++kind) {
      if (!(mask & (1 << kind))) continue;
      int length = longest ? lengths[kind] : 1 + (kind * 7 + mask * 13) % 40;
      rec.AppObjects[slot++] = {std::to_string(kind + 1), kind, 1, length};
    }
    rec.AppObjectCount = slot;
    rec.RxPdoClosed = variant & 1;
    rec.TxPdoClosed = (variant >> 1) & 1;
    rec.AppObjectsUnchanged = variant == 2;
    BuildPdoMapping(rec);
    std::vector<std::string> problems =
        testing::CheckEdsStructure(EdsFileText(rec, {2026, 1, 1, 8, 0, 0}));
    ASSERT_EQ(problems, std::vector<std::string>{}) << "mask " << mask;
  }
}

}  // namespace
}  // namespace q4410
