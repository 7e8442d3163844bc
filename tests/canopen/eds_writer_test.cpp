// The EDS file: whole files of two configurations against files written out by hand, and
// single rules (device type, error-control mode, object lists, PDO mapping entries, texts).
// Every other file written here must also pass the structure check.
#include "canopen/eds_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "canopen/ascii_line.h"
#include "canopen/pdo_builder.h"
#include "tests/support/eds_check.h"

namespace q4410 {
namespace {

using Strings = std::vector<std::string>;

ParaDef WithObjects(std::vector<AppObject> objects, int rxClosed = 0, int txClosed = 0) {
  ParaDef rec;
  for (size_t i = 0; i < objects.size(); ++i) rec.AppObjects[i] = objects[i];
  rec.AppObjectCount = static_cast<int>(objects.size());
  rec.RxPdoClosed = rxClosed;
  rec.TxPdoClosed = txClosed;
  BuildPdoMapping(rec);
  return rec;
}

testing::EdsFile Eds(const ParaDef& rec) {
  testing::EdsFile eds = testing::CheckEds(EdsFileText(rec, {2026, 12, 5, 14, 35, 0}));
  EXPECT_EQ(eds.problems, Strings{});
  return eds;
}

// The DefaultValue lines of sub-indices 1..n of a mapping object.
Strings Mapped(const testing::EdsFile& eds, const std::string& object) {
  Strings values;
  const long n = testing::EdsNumber(eds.Value(object + "SUB0", "DEFAULTVALUE"));
  for (long s = 1; s <= n; ++s)
    values.push_back(eds.Value(object + "SUB" + std::to_string(s), "DEFAULTVALUE"));
  return values;
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

TEST(EdsWriter, WholeFilesAsWrittenByHand) {
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
    EXPECT_EQ(EdsFileText(rec, clock), expected.str()) << file;
  }
}

// The device type adds one bit per kind of data; the optional objects are 13 standard ones, 64
// per direction with data, then 1/3/1/3 per profile group. (No data at all: the whole files.)
TEST(EdsWriter, DeviceTypeAndOptionalObjectsPerKindOfData) {
  struct Case {
    std::vector<AppObject> objects;
    const char* deviceType;
    int count;
    const char* lastEntry;
  };
  const Case cases[] = {
      {{{"1", 2, 1, 8}}, "0x10191", 13 + 64 + 1, "0x6000"},
      {{{"1", 0, 1, 8}}, "0x20191", 13 + 64 + 3, "0x6207"},
      {{{"1", 3, 1, 1}}, "0x40191", 13 + 64 + 1, "0x6401"},
      {{{"1", 1, 1, 1}}, "0x80191", 13 + 64 + 3, "0x6444"},
      {{{"1", 4, 1, 1}, {"1", 0, 1, 1}, {"1", 5, 1, 1}, {"1", 1, 1, 1}}, "0xF0191", 149, "0x6444"},
  };
  for (const Case& c : cases) {
    const testing::EdsFile eds = Eds(WithObjects(c.objects));
    EXPECT_EQ((Strings{eds.Value("1000", "DEFAULTVALUE"),
                       eds.Value("OPTIONALOBJECTS", "SUPPORTEDOBJECTS"),
                       eds.Value("OPTIONALOBJECTS", std::to_string(c.count))}),
              (Strings{c.deviceType, std::to_string(c.count), c.lastEntry}));
  }
}

// Node guarding mode is in the whole files.
TEST(EdsWriter, HeartbeatModeDropsNodeGuardingObjectsAndRenumbers) {
  ParaDef rec = WithObjects({{"1", 0, 1, 24}});
  rec.GuardTime = 0x1234;
  rec.LifeTimeFactor = 2;
  rec.HeartbeatTime = 300;
  rec.AppObjectsUnchanged = true;
  const testing::EdsFile eds = Eds(rec);
  EXPECT_EQ((Strings{eds.Value("OPTIONALOBJECTS", "SUPPORTEDOBJECTS"),
                     eds.Value("OPTIONALOBJECTS", "6"), eds.Value("100C", "SUBNUMBER"),
                     eds.Value("100D", "SUBNUMBER"), eds.Value("1017", "DEFAULTVALUE")}),
            (Strings{"78", "0x1012", "<no section 100C>", "<no section 100D>", "0x12C"}));
}

// Digital bytes past PDO 0 continue in PDO 4 with the next sub-index of their object, and a PDO
// without data maps nothing; closed with only analog data, PDO 0 maps registers, on each side
// by its own flag.
TEST(EdsWriter, MappingEntries) {
  const testing::EdsFile digital = Eds(WithObjects({{"1", 0, 1, 72}, {"2", 1, 1, 2}}));
  EXPECT_EQ(Mapped(digital, "1604"), Strings{"0x62000908"});
  EXPECT_EQ(digital.Value("1605", "SUBNUMBER"), "1");

  const testing::EdsFile analog = Eds(WithObjects({{"3", 1, 40, 6}}, 1));
  EXPECT_EQ(Mapped(Eds(WithObjects({{"4", 3, 1, 1}}, 0, 1)), "1A00"), Strings{"0x64010110"});
  EXPECT_EQ(Mapped(analog, "1600"),
            (Strings{"0x64110110", "0x64110210", "0x64110310", "0x64110410"}));
  EXPECT_EQ(Mapped(analog, "1601"), (Strings{"0x64110510", "0x64110610"}));
}

TEST(EdsWriter, StaleMappingOfAnEarlierRunIsNotAnnounced) {
  // First run: digital data in PDO 0 and analog data up to PDO 5. Second run: one register
  // only. The builder keeps the old texts of PDOs 0, 4 and 5; the file must not map them.
  ParaDef rec = WithObjects({{"1", 0, 1, 16}, {"2", 1, 1, 20}});
  rec.AppObjects[0] = {"2", 1, 1, 1};
  rec.AppObjects[1] = {"0", 0, 0, 0};
  rec.AppObjectCount = 1;
  BuildPdoMapping(rec);
  const testing::EdsFile eds = Eds(rec);
  EXPECT_EQ((Strings{eds.Value("1600", "SUBNUMBER"), eds.Value("1604", "SUBNUMBER"),
                     eds.Value("1605", "SUBNUMBER"), eds.Value("6200", "SUBNUMBER")}),
            (Strings{"1", "1", "1", "<no section 6200>"}));
  EXPECT_EQ(Mapped(eds, "1601"), Strings{"0x64110110"});
}

TEST(EdsWriter, ProfileObjectsStopAt255SubIndices) {
  const testing::EdsFile eds =
      Eds(WithObjects(std::vector<AppObject>(10, {"1", 0, 1, 254})));  // 320 bytes
  EXPECT_EQ(eds.Value("6200", "SUBNUMBER"), "256");
  EXPECT_EQ(eds.Value("6200SUBFF", "PARAMETERNAME"), "Number of Outputs 7F1h to 7F8h");
}

// Typed texts reach the file as ASCII, each on one line of at most 255 characters.
TEST(EdsWriter, TypedTextsAsOneAsciiLine) {
  ParaDef rec = WithObjects({});
  rec.EdsInfoText = {std::string(300, 'x'), "M\xC3\xBCller\r\n[1000]"};
  const testing::EdsFile eds = Eds(rec);
  EXPECT_EQ(eds.Value("FILEINFO", "DESCRIPTION"), std::string(255 - 12, 'x'));
  EXPECT_EQ(eds.Value("FILEINFO", "CREATEDBY"), "Muller??[1000]");
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
