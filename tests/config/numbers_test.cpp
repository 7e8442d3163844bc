#include "config/numbers.h"

#include <gtest/gtest.h>

#include "config/para_def.h"

namespace q4410 {
namespace {

TEST(NumberRenderings, DefaultRenderingPutsOneBlankBeforeNonNegativeValues) {
  EXPECT_EQ(DefaultRendering(3), " 3");
  EXPECT_EQ(DefaultRendering(0), " 0");
  EXPECT_EQ(DefaultRendering(-5), "-5");
}

TEST(NumberRenderings, PaddedFormatsAndHex) {
  EXPECT_EQ(Format00(5), "05");
  EXPECT_EQ(Format00(12), "12");
  EXPECT_EQ(Format00(123), "123");
  EXPECT_EQ(Format0000(9), "0009");
  EXPECT_EQ(Format0000(12345), "12345");
  EXPECT_EQ(Hex(0), "0");
  EXPECT_EQ(Hex(26), "1A");
  EXPECT_EQ(HexWidth(0x1A, 4), "001A");
}

TEST(EntryTextValue, LeadingDecimalNumberOrZero) {
  EXPECT_DOUBLE_EQ(NumericValue("127"), 127);
  EXPECT_DOUBLE_EQ(NumericValue("12.5"), 12.5);
  EXPECT_DOUBLE_EQ(NumericValue("  -3abc"), -3);
  EXPECT_DOUBLE_EQ(NumericValue("abc"), 0);
  EXPECT_DOUBLE_EQ(NumericValue(""), 0);
  EXPECT_DOUBLE_EQ(NumericValue("."), 0);
  EXPECT_DOUBLE_EQ(NumericValue("007"), 7);
}

TEST(EntryTextValue, RoundsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(12.5), 12);
  EXPECT_EQ(RoundHalfEven(13.5), 14);
  EXPECT_EQ(RoundHalfEven(12.6), 13);
  EXPECT_EQ(RoundHalfEven(127.4), 127);
  EXPECT_GT(RoundHalfEven(NumericValue("99999999999999999999999")), 127);  // no overflow
}

TEST(RecordRules, ComChecksumAndFirmwareText) {
  ParaDef rec;
  EXPECT_EQ(ComChecksumOf(rec), 174);  // 9600, 8, none, 1
  rec.ComBaudCode = 7;
  rec.ComParity = 1;
  rec.ComStopBits = 2;
  EXPECT_EQ(ComChecksumOf(rec), 206);
  rec.ComBaudCode = 6;
  rec.ComParity = 2;
  EXPECT_EQ(ComChecksumOf(rec), 237);  // the largest
  rec.FirmwareMajor = 1;
  rec.FirmwareMinor = 5;
  rec.FirmwareYear = 2008;
  rec.FirmwareMonth = 3;
  rec.FirmwareDay = 12;
  EXPECT_EQ(FirmwareText(rec), "1.05-2008/03/12");
  rec.FirmwareMinor = 123;
  EXPECT_EQ(FirmwareText(rec), "1.123-2008/03/12");
}

}  // namespace
}  // namespace q4410
