// Single rules of the EDS file: device type, error-control mode, object lists, PDO mapping
// entries, texts, time stamps, file name and writing.
#include "canopen/eds_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "canopen/ascii_line.h"
#include "canopen/pdo_builder.h"
#include "tests/canopen/eds_ini_check.h"

namespace q4410 {
namespace {

const LocalTime kClock{2026, 12, 5, 14, 35, 0};

ParaDef WithObjects(std::vector<AppObject> objects) {
  ParaDef rec;
  for (size_t i = 0; i < objects.size(); ++i) rec.AppObjects[i] = objects[i];
  rec.AppObjectCount = static_cast<int>(objects.size());
  BuildPdoMapping(rec);
  return rec;
}

testing::EdsIni Ini(const ParaDef& rec, const LocalTime& clock = kClock) {
  testing::EdsIni ini = testing::ParseEdsIni(EdsFileText(rec, clock));
  EXPECT_EQ(ini.problems, std::vector<std::string>{});
  return ini;
}

std::string Value(const testing::EdsIni& ini, const std::string& section, const std::string& key) {
  auto s = ini.values.find(section);
  if (s == ini.values.end()) return "<no section " + section + ">";
  auto k = s->second.find(key);
  return k == s->second.end() ? "<no key " + key + ">" : k->second;
}

// The DefaultValue lines of sub-indices 1..n of a mapping object.
std::vector<std::string> Mapped(const testing::EdsIni& ini, const std::string& object) {
  std::vector<std::string> values;
  int n = static_cast<int>(testing::EdsNumber(Value(ini, object + "SUB0", "DEFAULTVALUE")));
  for (int s = 1; s <= n; ++s)
    values.push_back(Value(ini, object + "SUB" + std::to_string(s), "DEFAULTVALUE"));
  return values;
}

// The device type adds one bit per kind of data; the optional objects are 13 standard ones, 64
// per direction with data, then 1/3/1/3 per profile group.
TEST(EdsWriter, DeviceTypeAndOptionalObjectsPerKindOfData) {
  struct Case {
    std::vector<AppObject> objects;
    const char* deviceType;
    int count;
    const char* lastEntry;
  };
  const Case cases[] = {
      {{}, "0x191", 13, "0x1200"},
      {{{"1", 2, 1, 8}}, "0x10191", 13 + 64 + 1, "0x6000"},
      {{{"1", 0, 1, 8}}, "0x20191", 13 + 64 + 3, "0x6207"},
      {{{"1", 3, 1, 1}}, "0x40191", 13 + 64 + 1, "0x6401"},
      {{{"1", 1, 1, 1}}, "0x80191", 13 + 64 + 3, "0x6444"},
      {{{"1", 4, 1, 1}, {"1", 0, 1, 1}, {"1", 5, 1, 1}, {"1", 1, 1, 1}}, "0xF0191", 149, "0x6444"},
  };
  for (const Case& c : cases) {
    const testing::EdsIni ini = Ini(WithObjects(c.objects));
    EXPECT_EQ(Value(ini, "1000", "DEFAULTVALUE"), c.deviceType);
    EXPECT_EQ(Value(ini, "OPTIONALOBJECTS", "SUPPORTEDOBJECTS"), std::to_string(c.count));
    EXPECT_EQ(Value(ini, "OPTIONALOBJECTS", std::to_string(c.count)), c.lastEntry);
  }
}

TEST(EdsWriter, HeartbeatModeDropsNodeGuardingObjectsAndRenumbers) {
  ParaDef rec = WithObjects({{"1", 0, 1, 24}});
  rec.GuardTime = 0x1234;
  rec.LifeTimeFactor = 2;
  rec.HeartbeatTime = 300;

  testing::EdsIni guarding = Ini(rec);
  EXPECT_EQ(Value(guarding, "OPTIONALOBJECTS", "SUPPORTEDOBJECTS"), "80");
  EXPECT_EQ(Value(guarding, "OPTIONALOBJECTS", "6"), "0x100C");
  EXPECT_EQ(Value(guarding, "OPTIONALOBJECTS", "8"), "0x1012");
  EXPECT_EQ(Value(guarding, "100C", "DEFAULTVALUE"), "0x1234");
  EXPECT_EQ(Value(guarding, "100D", "DEFAULTVALUE"), "0x2");

  rec.AppObjectsUnchanged = true;
  testing::EdsIni heartbeat = Ini(rec);
  EXPECT_EQ(Value(heartbeat, "OPTIONALOBJECTS", "SUPPORTEDOBJECTS"), "78");
  EXPECT_EQ(Value(heartbeat, "OPTIONALOBJECTS", "6"), "0x1012");
  EXPECT_EQ(heartbeat.values.count("100C") + heartbeat.values.count("100D"), 0u);
  EXPECT_EQ(Value(heartbeat, "1017", "DEFAULTVALUE"), "0x12C");
}

TEST(EdsWriter, DigitalPdosPastPdo0ContinueTheCounter) {
  ParaDef rec = WithObjects({{"1", 0, 1, 72}, {"2", 1, 1, 2}});  // 9 bytes, 2 registers
  ASSERT_EQ(rec.RxPdoNext, 5);
  testing::EdsIni ini = Ini(rec);
  EXPECT_EQ(Mapped(ini, "1600").size(), 8u);
  EXPECT_EQ(Mapped(ini, "1601"), (std::vector<std::string>{"0x64110110", "0x64110210"}));
  EXPECT_EQ(Mapped(ini, "1604"), std::vector<std::string>{"0x62000908"});
  EXPECT_EQ(Value(ini, "1605", "SUBNUMBER"), "1");
  EXPECT_EQ(Value(ini, "1605SUB0", "DEFAULTVALUE"), "0x0");
}

TEST(EdsWriter, ClosedWithOnlyAnalogDataMapsPdo0AsAnalog) {
  ParaDef rec;
  rec.AppObjects[0] = {"3", 1, 40, 6};
  rec.AppObjectCount = 1;
  rec.RxPdoClosed = 1;
  BuildPdoMapping(rec);
  testing::EdsIni ini = Ini(rec);
  EXPECT_EQ(Mapped(ini, "1600"),
            (std::vector<std::string>{"0x64110110", "0x64110210", "0x64110310", "0x64110410"}));
  EXPECT_EQ(Mapped(ini, "1601"), (std::vector<std::string>{"0x64110510", "0x64110610"}));
  EXPECT_EQ(Value(ini, "6411", "SUBNUMBER"), "7");
}

TEST(EdsWriter, StaleMappingOfAnEarlierRunIsNotAnnounced) {
  // First run: digital data in PDO 0 and analog data up to PDO 5. Second run: one register
  // only. The builder keeps the old texts of PDOs 0, 4 and 5; the file must not map them.
  ParaDef rec = WithObjects({{"1", 0, 1, 16}, {"2", 1, 1, 20}});
  rec.AppObjects[0] = {"2", 1, 1, 1};
  rec.AppObjects[1] = {"0", 0, 0, 0};
  rec.AppObjectCount = 1;
  BuildPdoMapping(rec);
  ASSERT_FALSE(rec.RxPdoTable[0].Mapping[0].empty());
  std::string text = EdsFileText(rec, kClock);
  EXPECT_EQ(testing::CheckEdsStructure(text), std::vector<std::string>{});
  testing::EdsIni ini = testing::ParseEdsIni(text);
  EXPECT_EQ(Value(ini, "1600", "SUBNUMBER"), "1");
  EXPECT_EQ(Mapped(ini, "1601"), std::vector<std::string>{"0x64110110"});
  EXPECT_EQ(Value(ini, "1604", "SUBNUMBER"), "1");
  EXPECT_EQ(Value(ini, "1605", "SUBNUMBER"), "1");
  EXPECT_EQ(text.find("0x6200"), std::string::npos);
}

TEST(EdsWriter, ProfileObjectsStopAt255SubIndices) {
  std::vector<AppObject> objects(10, AppObject{"1", 0, 1, 254});  // 320 digital bytes
  ParaDef rec = WithObjects(objects);
  ASSERT_EQ(rec.RxDigitalBytes, 320);
  std::string text = EdsFileText(rec, kClock);
  EXPECT_EQ(testing::CheckEdsStructure(text), std::vector<std::string>{});
  testing::EdsIni ini = testing::ParseEdsIni(text);
  EXPECT_EQ(Value(ini, "6200", "SUBNUMBER"), "256");
  EXPECT_EQ(Value(ini, "6200SUBFF", "PARAMETERNAME"), "Number of Outputs 7F1h to 7F8h");
}

TEST(EdsWriter, TextsDefaultsAndLineLength) {
  ParaDef rec = WithObjects({});
  // Typed texts reach the file as ASCII, each on one line of at most 255 characters.
  rec.EdsInfoText = {std::string(300, 'x'), "M\xC3\xBCller\r\n[1000]"};
  testing::EdsIni typed = Ini(rec);
  EXPECT_EQ(Value(typed, "FILEINFO", "DESCRIPTION"), std::string(255 - 12, 'x'));
  EXPECT_EQ(Value(typed, "FILEINFO", "CREATEDBY"), "Muller??[1000]");
}

TEST(AsciiLine, BaseLettersAndQuestionMarks) {
  const std::pair<std::string, std::string> cases[] = {
      {"Plain text 1-2, ok.", "Plain text 1-2, ok."},
      {"\xC3\x9C \xC3\xA9 \xC3\x9F \xC3\x86 \xC5\x93 \xC5\x81 \xC3\xBF", "U e ss AE oe L y"},
      {"e\xCC\x81", "e"},  // a decomposed e with acute accent
      {std::string("\t\r\n\x1F\x7F\0.", 7), "??????."},
      {"\xE2\x82\xAC \xC3\x97 \xE4\xB8\xAD \xF0\x9F\x98\x80", "? ? ? ?"},  // no letters
      {"B\xC3 \xFF", "B? ?"},                                              // not UTF-8
  };
  for (const auto& [text, ascii] : cases) EXPECT_EQ(AsciiLine(text), ascii) << text;
}

}  // namespace
}  // namespace q4410
