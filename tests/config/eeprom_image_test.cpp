// Checking and unpacking the words read from block 0 at connect, and packing the record into
// the words the download writes.
#include "config/eeprom_image.h"

#include <gtest/gtest.h>

#include <tuple>

#include "config/app_object_table.h"

namespace q4410 {
namespace {

constexpr uint32_t Word(uint32_t high, uint32_t low) {
  return high << 16 | low;
}
constexpr uint32_t Bytes(uint32_t b3, uint32_t b2, uint32_t b1, uint32_t b0) {
  return b3 << 24 | b2 << 16 | b1 << 8 | b0;
}

// A block 0 as a CANopen download leaves it: node 5, both PDO mappings closed, CAN code 3,
// 9600 baud 8N1, 200 ms, one "Read DI" object of 16 bits at device 10, start 100; block 2 of
// the 12 bytes the connect takes it to hold.
std::vector<uint32_t> CleanWords() {
  std::vector<uint32_t> w(kBlock0WordCount, 0);
  w[0] = 0x01B40000u + 108;
  w[1] = Word(0, 12);
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

// Decoded, and packed again as a download after this connect would pack it, the clean image
// comes back word for word: every field was taken from its place.
TEST(Block0Image, CleanImageDecodesAndPacksBackWordForWord) {
  ParaDef rec = ConnectRecord();
  auto w = CleanWords();
  ASSERT_TRUE(DecodeBlock0Header(rec, w, AppSelection::CANopen));
  DecodeBlock0Objects(rec, w);
  EXPECT_FALSE(rec.EepromDataError);
  EXPECT_EQ(rec.ModuleAppObjects, (std::vector<AppObject>{{"10", 2, 100, 16}}));
  LoadAppObjectTable(rec);
  rec.AppObjectsUnchanged = false;
  EXPECT_EQ(PackBlock0(rec), w);

  // While the table is unchanged the module keeps its own object and count words.
  rec.AppObjectsUnchanged = true;
  std::fill(w.begin() + 7, w.end(), 0u);
  EXPECT_EQ(PackBlock0(rec), w);
}

// Each checked word at and past its limits: whether it is a data error, and what is stored.
// A data error in the header leaves the objects unread.
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
      // A blank module: nothing is stored. Past the early stop a marker is warned about, and
      // the later words are stored.
      {0, 0, true, &ParaDef::NodeId, 1},
      {0, kBlock0EarlyStopMax, true, &ParaDef::NodeId, 1},
      {0, kBlock0EarlyStopMax + 1, true, &ParaDef::NodeId, 5},
      {0, 0x01B4006Du, true, &ParaDef::NodeId, 5},
      {0, 0x01B5006Cu, true, &ParaDef::NodeId, 5},
      // Block lengths: CANopen takes 0 or 28 for block 1, DeviceNet its own 28.
      {1, Word(28, 16), false, &ParaDef::Block1Length, 0},
      {1, Word(27, 16), true, &ParaDef::Block1Length, 0},
      {1, Word(0, 11), true, &ParaDef::Block2Length, 12},
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
    SCOPED_TRACE(::testing::Message() << "W" << c.word << " " << std::hex << c.value);
    auto w = CleanWords();
    if (c.selected == kDeviceNet) w[1] = Word(28, 16);
    w[c.word] = c.value;
    ParaDef rec = ConnectRecord(c.selected);
    DecodeBlock0Header(rec, w, c.selected);
    EXPECT_EQ(rec.EepromDataError, c.error);
    EXPECT_EQ(rec.*c.field, c.expected);
    DecodeBlock0Objects(rec, w);
    EXPECT_EQ(rec.TxDigitalBytes, c.error ? 0 : 2);
  }
}

// Seven objects, one of each kind and one of a kind the module does not know, with the count
// words a download writes for them.
TEST(Block0Decode, CountWordsAgreeWithTheObjects) {
  auto w = CleanWords();
  w[4] = Bytes(0, 0, 0, 7);
  const uint32_t objects[] = {
      Bytes(1, 0, 0, 0),   Word(1, 9),    // Write DO, 9 bits: 2 bytes
      Bytes(2, 0, 0, 0),   Word(20, 1),   // Write DO, 1 bit: 1 byte
      Bytes(3, 1, 0, 0),   Word(1, 5),    // Write AO, 5 registers
      Bytes(4, 2, 0, 0),   Word(1, 8),    // Read DI, 8 bits: 1 byte
      Bytes(5, 4, 0, 0),   Word(1, 17),   // Read DO, 17 bits: 3 bytes
      Bytes(6, 3, 0, 0),   Word(1, 2),    // Read AI, 2 registers
      Bytes(247, 9, 0, 0), Word(1, 50)};  // unknown kind: accepted, adds nothing
  std::copy(std::begin(objects), std::end(objects), w.begin() + 7);
  w[27] = Word(3, 5);
  w[28] = Word(4, 2);

  ParaDef rec = ConnectRecord();
  DecodeBlock0Header(rec, w, AppSelection::CANopen);
  DecodeBlock0Objects(rec, w);
  EXPECT_FALSE(rec.EepromDataError);
  EXPECT_EQ(rec.ModuleAppObjects[6], (AppObject{"247", 9, 1, 50}));
  EXPECT_EQ(
      std::tuple(rec.RxDigitalBytes, rec.RxAnalogBytes, rec.TxDigitalBytes, rec.TxAnalogBytes),
      std::tuple(3, 5, 4, 2));  // analog data in registers, as stored

  // Any one of the four counts off by one is a data error, and so is a length of 32768 or
  // more (here 4096 bytes of Read DI) even when the counts agree with it. No objects (an
  // empty table, whatever it held before) need empty count words.
  struct Change {
    std::vector<std::pair<int, uint32_t>> words;
    bool error;
  };
  const Change changes[] = {
      {{{27, Word(4, 5)}}, true},
      {{{27, Word(3, 4)}}, true},
      {{{28, Word(3, 2)}}, true},
      {{{28, Word(4, 3)}}, true},
      {{{14, Word(1, 32768)}, {28, Word(4099, 2)}}, true},
      {{{4, 0}, {27, 0}, {28, 0}}, false},
      {{{4, 0}, {27, Word(0, 1)}, {28, 0}}, true},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(&change - changes);
    auto changed = w;
    for (auto [index, value] : change.words) changed[index] = value;
    ParaDef r = ConnectRecord();
    r.ModuleAppObjects.assign(3, AppObject{"1", 0, 1, 1});
    DecodeBlock0Header(r, changed, AppSelection::CANopen);
    DecodeBlock0Objects(r, changed);
    EXPECT_EQ(r.EepromDataError, change.error);
    EXPECT_EQ(r.ModuleAppObjects.size(), static_cast<size_t>(r.ModuleAppObjectCount));
  }
}

// A month above 12 or a day above 31 is stored as 0 and is a data error.
TEST(FirmwareWords, VersionAndDate) {
  for (auto [f1, text, error] : {std::tuple{Word(2008, 12 << 8 | 31), "1.05-2008/12/31", false},
                                 {Word(2008, 13 << 8 | 31), "1.05-2008/00/31", true},
                                 {Word(2008, 12 << 8 | 32), "1.05-2008/12/00", true}}) {
    ParaDef rec;
    DecodeFirmwareWords(rec, 0xABCD0105u, f1);
    EXPECT_EQ(FirmwareText(rec), text);
    EXPECT_EQ(rec.EepromDataError, error) << text;
  }
}

TEST(Block0Pack, StrayValuesStayInsideTheirFields) {
  ParaDef rec;
  rec.NodeId = 0x1FF;
  rec.CanBaudCode = -1;
  rec.ComTimeoutMs = 0x12345;
  rec.ComChecksum = 0x1AE;
  rec.AppObjects[0] = {"300", 0x101, 0x10001, -1};
  rec.AppObjects[1] = {"12.5", 3, 1, 1};
  rec.AppObjectCount = 12;  // more than the table holds
  rec.RxDigitalBytes = 0x10003;
  rec.RxAnalogBytes = 110;  // bytes; the module counts registers
  const auto w = PackBlock0(rec);
  ASSERT_EQ(w.size(), 29u);
  // Words 2, 4 (its count byte), 6, 7, 8, 9 (an address of 12.5 rounds to the even 12), 27.
  EXPECT_EQ((std::vector{w[2], w[4] & 0xFFu, w[6], w[7], w[8], w[9], w[27]}),
            (std::vector{0x00FF00FFu, 10u, 0x2345AE00u, 0x2C010000u, 0x0001FFFFu, 0x0C030000u,
                         0x00030037u}));
}

TEST(Block2Pack, WordsAndErrorControlReadBack) {
  ParaDef rec;
  rec.GuardTime = 1500;
  rec.LifeTimeFactor = 3;
  rec.RxPdoLast = 4;
  rec.TxPdoLast = 7;
  EXPECT_EQ(PackBlock2(rec), (std::vector<uint32_t>{0x0005DC03u, 0, 0x04070000u, 0}));
  rec.AppObjectsUnchanged = true;  // after a download with the table untouched
  EXPECT_EQ(PackBlock2(rec)[0], 0xFF05DC03u);

  // Bit 26 says whether the time is the heartbeat time or the guard time; the other fields of
  // error control are cleared.
  const auto ErrorControl = [](uint32_t word) {
    ParaDef back;
    back.GuardTime = back.HeartbeatTime = back.LifeTimeFactor = 99;
    DecodeErrorControl(back, word);
    return std::tuple(back.GuardTime, back.LifeTimeFactor, back.HeartbeatTime);
  };
  EXPECT_EQ(ErrorControl(0x0005DC03u), std::tuple(1500L, 3, 0L));
  EXPECT_EQ(ErrorControl(0xFF05DC03u), std::tuple(0L, 0, 1500L));
  EXPECT_EQ(ErrorControl(0x04FFFF12u), std::tuple(0L, 0, 65535L));
}

}  // namespace
}  // namespace q4410
