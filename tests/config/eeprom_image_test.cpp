// Checking and unpacking the words read from block 0 at connect.
#include "config/eeprom_image.h"

#include <gtest/gtest.h>

#include "tests/support/records.h"

namespace q4410 {
namespace {

constexpr uint32_t Word(uint32_t high, uint32_t low) {
  return high << 16 | low;
}
constexpr uint32_t Bytes(uint32_t b3, uint32_t b2, uint32_t b1, uint32_t b0) {
  return b3 << 24 | b2 << 16 | b1 << 8 | b0;
}

// A block 0 as a CANopen download leaves it: node 5, both PDO mappings closed, CAN code 3,
// 9600 baud 8N1, 200 ms, one "Read DI" object of 16 bits at device 10, start 100.
std::vector<uint32_t> CleanWords() {
  std::vector<uint32_t> w(kBlock0WordCount, 0);
  w[0] = 0x01B40000u + 108;
  w[1] = Word(0, 16);
  w[2] = Bytes(3, 5, 0, 3);
  w[3] = Word(2024, 5 << 8 | 17);
  w[4] = Bytes(13, 45, 30, 1);
  w[5] = Bytes(3, 8, 0, 1);
  w[6] = Word(200, 174 << 8);
  w[7] = Bytes(10, 2, 0, 0);
  w[8] = Word(100, 16);
  w[28] = Word(2, 0);
  return w;
}

// The record as the connect prepares it before decoding.
ParaDef ConnectRecord(AppSelection selected = AppSelection::CANopen) {
  ParaDef rec;
  rec.Block0Length = 108;
  rec.Block1Length = selected == AppSelection::CANopen ? 0 : 28;
  rec.AppObjectsUnchanged = true;
  return rec;
}

TEST(Block0Decode, CleanImageFillsEveryField) {
  ParaDef rec = ConnectRecord();
  const auto w = CleanWords();
  ASSERT_TRUE(DecodeBlock0Header(rec, w, AppSelection::CANopen));
  EXPECT_FALSE(rec.EepromDataError);
  DecodeBlock0Objects(rec, w);
  EXPECT_FALSE(rec.EepromDataError);

  const testing::IntFields fields = {
      {&ParaDef::TxPdoClosed, 1},   {&ParaDef::RxPdoClosed, 1},   {&ParaDef::NodeId, 5},
      {&ParaDef::AppKind, 0},       {&ParaDef::CanBaudCode, 3},   {&ParaDef::Block1Length, 0},
      {&ParaDef::Block2Length, 12}, {&ParaDef::ConfigYear, 2024}, {&ParaDef::ConfigMonth, 5},
      {&ParaDef::ConfigDay, 17},    {&ParaDef::ConfigHour, 13},   {&ParaDef::ConfigMinute, 45},
      {&ParaDef::ConfigSecond, 30}, {&ParaDef::ComBaudCode, 3},   {&ParaDef::ComDataBits, 8},
      {&ParaDef::ComParity, 0},     {&ParaDef::ComStopBits, 1},   {&ParaDef::ComTimeoutMs, 200},
      {&ParaDef::ComChecksum, 174}, {&ParaDef::TxDigitalBytes, 2}};
  testing::ExpectFields(rec, fields);
  ASSERT_EQ(rec.ModuleAppObjects.size(), 1u);
  EXPECT_EQ(rec.ModuleAppObjects[0], (AppObject{"10", 2, 100, 16}));
  EXPECT_TRUE(rec.AppObjectsUnchanged);  // decoding leaves it to the connect
}

TEST(Block0Decode, BlankModuleStopsAtW0WithNothingStored) {
  for (uint32_t w0 : {0u, 0x01B40000u, kBlock0EarlyStopMax}) {
    SCOPED_TRACE(w0);
    auto w = CleanWords();
    w[0] = w0;
    ParaDef rec = ConnectRecord();
    rec.NodeId = 9;
    EXPECT_FALSE(DecodeBlock0Header(rec, w, AppSelection::CANopen));
    EXPECT_TRUE(rec.EepromDataError);
    EXPECT_EQ(rec.NodeId, 9);
    EXPECT_EQ(rec.ComTimeoutMs, ParaDef{}.ComTimeoutMs);
    EXPECT_EQ(rec.ModuleAppObjectCount, 0);
  }
}

// Each checked word at and past its limits: whether it is a data error, and what is stored.
TEST(Block0Decode, HeaderWordsAtTheirLimits) {
  using Field = int ParaDef::*;
  constexpr AppSelection kDeviceNet = AppSelection::DeviceNet;
  struct Case {
    int word;
    uint32_t value;
    bool error;
    Field field;
    int expected;
    AppSelection selected = AppSelection::CANopen;
  };
  const Case cases[] = {
      // Markers past the early stop: warned about, and the later words are stored.
      {0, kBlock0EarlyStopMax + 1, true, &ParaDef::NodeId, 5},
      {0, 0x01B4006Du, true, &ParaDef::NodeId, 5},
      {0, 0x01B5006Cu, true, &ParaDef::NodeId, 5},
      // Block lengths: CANopen takes 0 or 28 for block 1, DeviceNet its own 28.
      {1, Word(28, 16), false, &ParaDef::Block1Length, 0},
      {1, Word(27, 16), true, &ParaDef::Block1Length, 0},
      {1, Word(0, 11), true, &ParaDef::Block2Length, 12},
      {1, Word(0, 12), false, &ParaDef::Block2Length, 12},
      {1, Word(28, 16), false, &ParaDef::Block1Length, 28, kDeviceNet},
      {1, Word(0, 16), true, &ParaDef::Block1Length, 28, kDeviceNet},
      // Node ID range of the selection; a refused one is not stored.
      {2, Bytes(0, 0, 0, 0), true, &ParaDef::NodeId, 1},
      {2, Bytes(0, 1, 0, 0), false, &ParaDef::NodeId, 1},
      {2, Bytes(0, 127, 0, 0), false, &ParaDef::NodeId, 127},
      {2, Bytes(0, 128, 0, 0), true, &ParaDef::NodeId, 1},
      {2, Bytes(0, 63, 0, 0), false, &ParaDef::NodeId, 63, kDeviceNet},
      {2, Bytes(0, 64, 0, 0), true, &ParaDef::NodeId, 1, kDeviceNet},
      // Codes out of range are stored and flagged.
      {2, Bytes(0, 5, 2, 8), false, &ParaDef::AppKind, 2},
      {2, Bytes(0, 5, 3, 0), true, &ParaDef::AppKind, 3},
      {2, Bytes(0, 5, 0, 8), false, &ParaDef::CanBaudCode, 8},
      {2, Bytes(0, 5, 0, 9), true, &ParaDef::CanBaudCode, 9},
      {5, Bytes(7, 8, 2, 2), false, &ParaDef::ComBaudCode, 7},
      {5, Bytes(8, 8, 0, 1), true, &ParaDef::ComBaudCode, 8},
      {5, Bytes(3, 7, 0, 1), true, &ParaDef::ComDataBits, 7},
      {5, Bytes(3, 8, 3, 1), true, &ParaDef::ComParity, 3},
      {5, Bytes(3, 8, 0, 0), true, &ParaDef::ComStopBits, 0},
      {5, Bytes(3, 8, 0, 3), true, &ParaDef::ComStopBits, 3},
      // Time stamp: the limits pass, one more fails; all but the year are stored.
      {3, Word(32767, 12 << 8 | 31), false, &ParaDef::ConfigYear, 32767},
      {3, Word(32768, 0), true, &ParaDef::ConfigYear, 0},
      {3, Word(2024, 13 << 8), true, &ParaDef::ConfigMonth, 13},
      {3, Word(2024, 32), true, &ParaDef::ConfigDay, 32},
      {4, Bytes(24, 60, 60, 1), false, &ParaDef::ConfigHour, 24},
      {4, Bytes(25, 0, 0, 1), true, &ParaDef::ConfigHour, 25},
      {4, Bytes(0, 61, 0, 1), true, &ParaDef::ConfigMinute, 61},
      {4, Bytes(0, 0, 61, 1), true, &ParaDef::ConfigSecond, 61},
      // Time-out: clamped to what the field can hold; the low byte is ignored.
      {6, Word(32767, 0xAEFF), false, &ParaDef::ComTimeoutMs, 32767},
      {6, Word(32768, 0), true, &ParaDef::ComTimeoutMs, 32767},
      // At most ten objects.
      {4, Bytes(13, 45, 30, 10), false, &ParaDef::ModuleAppObjectCount, 10},
      {4, Bytes(13, 45, 30, 11), true, &ParaDef::ModuleAppObjectCount, 0},
  };
  for (const Case& c : cases) {
    auto w = CleanWords();
    if (c.selected == kDeviceNet) w[1] = Word(28, 16);
    w[c.word] = c.value;
    ParaDef rec = ConnectRecord(c.selected);
    DecodeBlock0Header(rec, w, c.selected);
    EXPECT_EQ(rec.EepromDataError, c.error) << "W" << c.word << " " << std::hex << c.value;
    EXPECT_EQ(rec.*c.field, c.expected) << "W" << c.word << " " << std::hex << c.value;
  }
}

TEST(Block0Decode, ObjectCountZeroIsAnEmptyTable) {
  auto w = CleanWords();
  w[4] = Bytes(13, 45, 30, 0);
  w[7] = w[8] = w[28] = 0;
  ParaDef rec = ConnectRecord();
  rec.ModuleAppObjects.assign(3, AppObject{"1", 0, 1, 1});
  ASSERT_TRUE(DecodeBlock0Header(rec, w, AppSelection::CANopen));
  DecodeBlock0Objects(rec, w);
  EXPECT_FALSE(rec.EepromDataError);
  EXPECT_EQ(rec.ModuleAppObjectCount, 0);
  EXPECT_TRUE(rec.ModuleAppObjects.empty());

  // An empty table still needs empty count words.
  w[27] = Word(0, 1);
  rec = ConnectRecord();
  DecodeBlock0Header(rec, w, AppSelection::CANopen);
  DecodeBlock0Objects(rec, w);
  EXPECT_TRUE(rec.EepromDataError);
}

TEST(Block0Decode, ObjectTotalsPerKindAndCountWordChecks) {
  auto w = CleanWords();
  w[4] = Bytes(0, 0, 0, 7);
  const uint32_t objects[][2] = {
      {Bytes(1, 0, 0, 0), Word(1, 9)},    // Write DO, 9 bits: 2 bytes
      {Bytes(2, 0, 0, 0), Word(20, 1)},   // Write DO, 1 bit: 1 byte
      {Bytes(3, 1, 0, 0), Word(1, 5)},    // Write AO, 5 registers
      {Bytes(4, 2, 0, 0), Word(1, 8)},    // Read DI, 8 bits: 1 byte
      {Bytes(5, 4, 0, 0), Word(1, 17)},   // Read DO, 17 bits: 3 bytes
      {Bytes(6, 3, 0, 0), Word(1, 2)},    // Read AI, 2 registers
      {Bytes(247, 9, 0, 0), Word(1, 50)}  // unknown kind: accepted, adds nothing
  };
  for (int j = 0; j < 7; ++j) {
    w[7 + 2 * j] = objects[j][0];
    w[8 + 2 * j] = objects[j][1];
  }
  w[27] = Word(3, 5);
  w[28] = Word(4, 2);

  ParaDef rec = ConnectRecord();
  DecodeBlock0Header(rec, w, AppSelection::CANopen);
  DecodeBlock0Objects(rec, w);
  EXPECT_FALSE(rec.EepromDataError);
  EXPECT_EQ(rec.ModuleAppObjects[6], (AppObject{"247", 9, 1, 50}));
  EXPECT_EQ(rec.RxAnalogBytes, 5);  // registers, as stored
  EXPECT_EQ(rec.TxAnalogBytes, 2);

  // Any one of the four counts off by one is a data error, and so is a length of 32768 or
  // more (here 4096 bytes of Read DI) even when the counts agree with it.
  const std::vector<std::pair<int, uint32_t>> mismatches[] = {
      {{27, Word(4, 5)}},
      {{27, Word(3, 4)}},
      {{28, Word(3, 2)}},
      {{28, Word(4, 3)}},
      {{14, Word(1, 32768)}, {28, Word(4099, 2)}}};
  for (const auto& changes : mismatches) {
    auto bad = w;
    for (auto [index, value] : changes) bad[index] = value;
    ParaDef r = ConnectRecord();
    DecodeBlock0Header(r, bad, AppSelection::CANopen);
    DecodeBlock0Objects(r, bad);
    EXPECT_TRUE(r.EepromDataError) << changes[0].first << " " << std::hex << changes[0].second;
  }
}

TEST(Block0Decode, ObjectsAreNotReadAfterADataError) {
  auto w = CleanWords();
  w[5] = Bytes(9, 8, 0, 1);
  ParaDef rec = ConnectRecord();
  DecodeBlock0Header(rec, w, AppSelection::CANopen);
  DecodeBlock0Objects(rec, w);
  EXPECT_EQ(rec.TxDigitalBytes, 0);
}

TEST(FirmwareWords, VersionAndDate) {
  ParaDef rec;
  DecodeFirmwareWords(rec, 0xABCD0105u, Word(2008, 3 << 8 | 12));
  EXPECT_EQ(FirmwareText(rec), "1.05-2008/03/12");
  EXPECT_FALSE(rec.EepromDataError);

  DecodeFirmwareWords(rec, 0x0105u, Word(2008, 13 << 8 | 31));
  EXPECT_EQ(rec.FirmwareMonth, 0);
  EXPECT_EQ(rec.FirmwareDay, 31);
  EXPECT_TRUE(rec.EepromDataError);

  rec.EepromDataError = false;
  DecodeFirmwareWords(rec, 0x0105u, Word(2008, 12 << 8 | 32));
  EXPECT_EQ(rec.FirmwareMonth, 12);
  EXPECT_EQ(rec.FirmwareDay, 0);
  EXPECT_TRUE(rec.EepromDataError);
}

}  // namespace
}  // namespace q4410
