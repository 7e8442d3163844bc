// Packing the record into the words the download writes, and reading them back.
#include <gtest/gtest.h>

#include "config/eeprom_image.h"

namespace q4410 {
namespace {

// The record as the download packs it after a CANopen read and a PDO build.
ParaDef DownloadRecord() {
  ParaDef rec;
  rec.Block0Length = 108;
  rec.Block1Length = 0;
  rec.Block2Length = 16;
  rec.NodeId = 5;
  rec.AppKind = 0;
  rec.CanBaudCode = 3;
  rec.TxPdoClosed = 1;
  rec.ConfigYear = 2024;
  rec.ConfigMonth = 5;
  rec.ConfigDay = 17;
  rec.ConfigHour = 13;
  rec.ConfigMinute = 45;
  rec.ConfigSecond = 30;
  rec.ComBaudCode = 7;
  rec.ComParity = 1;
  rec.ComStopBits = 2;
  rec.ComTimeoutMs = 1000;
  rec.ComChecksum = ComChecksumOf(rec);
  rec.AppObjects[0] = {"10", 2, 100, 16};
  rec.AppObjects[1] = {"247", 1, 9999, 55};
  rec.AppObjectCount = 2;
  rec.TxDigitalBytes = 2;
  rec.RxAnalogBytes = 110;
  return rec;
}

TEST(Block0Pack, UnchangedTableLeavesObjectAndCountWordsZero) {
  ParaDef rec = DownloadRecord();
  rec.RxPdoClosed = 1;
  rec.AppObjectsUnchanged = true;
  const auto w = PackBlock0(rec);
  ASSERT_EQ(w.size(), 29u);
  EXPECT_EQ(w[2], 0x03050003u);
  EXPECT_EQ(w[4] & 0xFFu, 2u);
  for (int i = 7; i < 29; ++i) EXPECT_EQ(w[i], 0u) << i;
}

TEST(Block0Pack, StrayValuesStayInsideTheirFields) {
  ParaDef rec = DownloadRecord();
  rec.TxPdoClosed = 0;
  rec.NodeId = 0x1FF;
  rec.CanBaudCode = -1;
  rec.ComTimeoutMs = 0x12345;
  rec.ComChecksum = 0x1AE;
  rec.AppObjects[0] = {"300", 0x101, 0x10001, -1};
  rec.AppObjects[1] = {"12.5", 3, 1, 1};
  rec.AppObjectCount = 12;  // more than the table holds
  rec.RxDigitalBytes = 0x10003;
  const auto w = PackBlock0(rec);
  ASSERT_EQ(w.size(), 29u);
  EXPECT_EQ(w[2], 0x00FF00FFu);
  EXPECT_EQ(w[4] & 0xFFu, 10u);
  EXPECT_EQ(w[6], 0x2345AE00u);
  EXPECT_EQ(w[7], 0x2C010000u);
  EXPECT_EQ(w[8], 0x0001FFFFu);
  EXPECT_EQ(w[9], 0x0C030000u);  // a half rounds to the even neighbour
  EXPECT_EQ(w[27], 0x00030037u);
}

TEST(Block2Pack, WordsAndErrorControlReadBack) {
  ParaDef rec;
  rec.GuardTime = 1500;
  rec.LifeTimeFactor = 3;
  rec.RxPdoLast = 4;
  rec.TxPdoLast = 7;
  auto w = PackBlock2(rec);
  EXPECT_EQ(w, (std::vector<uint32_t>{0x0005DC03u, 0, 0x04070000u, 0}));

  ParaDef back;
  back.HeartbeatTime = 99;
  DecodeErrorControl(back, w[0]);
  EXPECT_EQ(back.GuardTime, 1500);
  EXPECT_EQ(back.LifeTimeFactor, 3);
  EXPECT_EQ(back.HeartbeatTime, 0);

  // After a download with the table untouched the top byte is all ones, and its bit 2
  // (bit 26 of the word) reads the time back as the heartbeat time.
  rec.AppObjectsUnchanged = true;
  w = PackBlock2(rec);
  EXPECT_EQ(w[0], 0xFF05DC03u);
  EXPECT_GE(w[0], 0x80000000u);
  DecodeErrorControl(back, w[0]);
  EXPECT_EQ(back.HeartbeatTime, 1500);
  EXPECT_EQ(back.GuardTime, 0);
  EXPECT_EQ(back.LifeTimeFactor, 0);

  DecodeErrorControl(back, 0x04FFFF12u);
  EXPECT_EQ(back.HeartbeatTime, 65535);
}

}  // namespace
}  // namespace q4410
