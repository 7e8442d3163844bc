#include "canopen/pdo_builder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "config/para_def.h"

namespace q4410 {
namespace {

using Texts = std::array<std::string, 8>;
using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

const std::string F = kPdoFiller;
const Texts kAllFiller{F, F, F, F, F, F, F, F};
const Texts kEmpty{};

// Both directions are laid out by the same code; the cases lay out the receive side, and the
// transmit side's own table, flag and counters are checked by the closed analog case.
ParaDef Built(std::vector<AppObject> objects, int rxClosed = 0, int txClosed = 0) {
  ParaDef rec;
  for (size_t i = 0; i < objects.size(); ++i) rec.AppObjects[i] = objects[i];
  rec.AppObjectCount = static_cast<int>(objects.size());
  rec.RxPdoClosed = rxClosed;
  rec.TxPdoClosed = txClosed;
  BuildPdoMapping(rec);
  return rec;
}

// Next, last, digital bytes and analog bytes of one side.
Ints Counts(const ParaDef& r, bool tx = false) {
  return tx ? Ints{r.TxPdoNext, r.TxPdoLast, r.TxDigitalBytes, r.TxAnalogBytes}
            : Ints{r.RxPdoNext, r.RxPdoLast, r.RxDigitalBytes, r.RxAnalogBytes};
}

// The mapping texts of "Write DO" bits and of registers.
std::string Dig(int addr, int first, int last) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "0x%X- DO:%04d~%04d", addr, first, last);
  return buffer;
}
std::string Ana(int addr, int reg, const char* label = "AO") {
  return "0x" + std::to_string(addr) + "- " + label + ":" + std::to_string(reg);
}

TEST(PdoBuilder, NoDataFillsPdos1To3AndPdo0OnlyWhenClosed) {
  for (int closed : {0, 1}) {
    SCOPED_TRACE(closed);
    const ParaDef rec = Built({}, closed);
    EXPECT_EQ(rec.RxPdoTable[0].Mapping, closed ? kAllFiller : kEmpty);
    for (int p = 1; p <= 3; ++p) EXPECT_EQ(rec.RxPdoTable[p].Mapping, kAllFiller) << p;
    EXPECT_EQ(rec.RxPdoTable[4].Mapping, kEmpty);
    EXPECT_EQ(Counts(rec), (Ints{4, 3, 0, 0}));
  }
}

TEST(PdoBuilder, ThreeDigitalBytesAndTwoRegistersSameWithEitherClosedFlag) {
  for (int closed : {0, 1}) {
    SCOPED_TRACE(closed);
    // 20 bits give three bytes, the last one shorter; the address is written in hex.
    const ParaDef rec = Built({{"26", 0, 1, 20}, {"2", 1, 100, 2}}, closed);
    const auto& pdo = rec.RxPdoTable;
    EXPECT_EQ(pdo[0].Mapping,
              (Texts{Dig(0x1A, 1, 8), Dig(0x1A, 9, 16), Dig(0x1A, 17, 20), F, F, F, F, F}));
    EXPECT_EQ(pdo[1].Mapping,
              (Texts{Ana(2, 100), Ana(2, 100), Ana(2, 101), Ana(2, 101), F, F, F, F}));
    EXPECT_EQ(std::make_pair(pdo[0].IsAnalog, pdo[1].IsAnalog), std::make_pair(0, 1));
    for (int p : {2, 3}) EXPECT_EQ(pdo[p].Mapping, kAllFiller) << p;
    EXPECT_EQ(Counts(rec), (Ints{4, 3, 3, 4}));
  }
}

TEST(PdoBuilder, OnlyAnalogWithClosedStartsInPdo0AndRunsPastPdo3) {
  // 18 registers of "Read AI": PDOs 0..3 take 16, PDO 4 the last two.
  const ParaDef rec = Built({{"1", 3, 1, 18}}, 0, 1);
  const auto& pdo = rec.TxPdoTable;
  auto ai = [](int reg) { return Ana(1, reg, "AI"); };
  EXPECT_EQ(pdo[0].Mapping[0], ai(1));
  EXPECT_EQ(pdo[3].Mapping[7], ai(16));
  EXPECT_EQ(pdo[4].Mapping, (Texts{ai(17), ai(17), ai(18), ai(18), F, F, F, F}));
  EXPECT_EQ(std::make_pair(pdo[0].IsAnalog, pdo[4].IsAnalog), std::make_pair(1, 1));
  EXPECT_EQ(Counts(rec, true), (Ints{4, 4, 0, 36}));

  // Not closed: the same data begins in PDO 1 and PDO 0 stays unwritten.
  const ParaDef open = Built({{"1", 3, 1, 18}});
  EXPECT_EQ(open.TxPdoTable[0].Mapping, kEmpty);
  EXPECT_EQ((Strings{open.TxPdoTable[1].Mapping[0], open.TxPdoTable[4].Mapping[0],
                     open.TxPdoTable[5].Mapping[3]}),
            (Strings{ai(1), ai(13), ai(18)}));
  EXPECT_EQ(Counts(open, true), (Ints{4, 5, 0, 36}));
}

TEST(PdoBuilder, NineAndEightDigitalBytes) {
  // With one register, which ends inside PDO 1: last is the PDO before Next.
  const ParaDef nine = Built({{"1", 0, 1, 72}, {"2", 1, 1, 1}});
  EXPECT_EQ(nine.RxPdoTable[0].Mapping[7], Dig(1, 57, 64));
  EXPECT_EQ(nine.RxPdoTable[4].Mapping, (Texts{Dig(1, 65, 72), F, F, F, F, F, F, F}));
  EXPECT_EQ(nine.RxPdoTable[4].IsAnalog, 0);
  EXPECT_EQ(Counts(nine), (Ints{5, 4, 9, 2}));

  const ParaDef eight = Built({{"1", 0, 1, 64}});
  EXPECT_EQ(eight.RxPdoTable[0].Mapping[7], Dig(1, 57, 64));
  EXPECT_EQ(eight.RxPdoTable[4].Mapping, kEmpty);
  EXPECT_EQ(Counts(eight), (Ints{5, 3, 8, 0}));  // last by the closing rule: cur 1, pos 0
}

TEST(PdoBuilder, AnalogOverflowContinuesAtNextAndEndsOnBoundary) {
  // Nine digital bytes put Next at 5; 12 registers fill PDOs 1..3 and then exactly PDO 5.
  ParaDef rec = Built({{"1", 0, 1, 72}, {"3", 1, 10, 16}});
  const auto& pdo = rec.RxPdoTable;
  EXPECT_EQ(pdo[4].Mapping[0], Dig(1, 65, 72));  // the digital PDO is not overwritten
  EXPECT_EQ(pdo[5].Mapping, (Texts{Ana(3, 22), Ana(3, 22), Ana(3, 23), Ana(3, 23), Ana(3, 24),
                                   Ana(3, 24), Ana(3, 25), Ana(3, 25)}));
  EXPECT_EQ(pdo[6].Mapping, kEmpty);
  EXPECT_EQ(pdo[4].IsAnalog, 0);
  EXPECT_EQ(Counts(rec), (Ints{5, 5, 9, 32}));  // last: before the empty PDO 6

  // One register more: PDO 6 holds it and the rest of it is filler.
  rec.AppObjects[1].Length = 17;
  BuildPdoMapping(rec);
  EXPECT_EQ(pdo[6].Mapping, (Texts{Ana(3, 26), Ana(3, 26), F, F, F, F, F, F}));
  EXPECT_EQ(rec.RxPdoLast, 6);
}

TEST(PdoBuilder, ReadDoAndReadAoJoinTheTransmitSideInSlotOrderUnknownKindsNowhere) {
  const ParaDef rec = Built({{"5", 4, 9, 8},
                             {"1", 0, 1, 8},
                             {"6", 2, 1, 8},
                             {"7", 5, 300, 1},
                             {"8", -1, 1, 8},
                             {"9", 6, 1, 8}});
  EXPECT_EQ(
      (Strings{rec.TxPdoTable[0].Mapping[0], rec.TxPdoTable[0].Mapping[1],
               rec.TxPdoTable[1].Mapping[0], rec.RxPdoTable[0].Mapping[0]}),
      (Strings{"0x5- DO:0009~0016", "0x6- DI:0001~0008", "0x7- AO:300", "0x1- DO:0001~0008"}));
  EXPECT_EQ((Ints{rec.TxDigitalBytes, rec.RxDigitalBytes, rec.RxAnalogBytes + rec.TxAnalogBytes}),
            (Ints{2, 1, 2}));
}

TEST(PdoBuilder, EveryObjectInUseCountsWhateverItsAddressSlotsPastTheCountDoNot) {
  // A module may hold an object with address 0; the connect counts its bytes, so the
  // builder lays it out too and the count words written back agree with the objects.
  ParaDef rec = Built({{"0", 0, 1, 8}, {"5", 3, 1, 2}});
  rec.AppObjects[2] = {"9", 3, 1, 4};  // past AppObjectCount
  BuildPdoMapping(rec);
  EXPECT_EQ(rec.RxPdoTable[0].Mapping[0], "0x0- DO:0001~0008");
  EXPECT_EQ((Ints{rec.RxDigitalBytes, rec.TxAnalogBytes}), (Ints{1, 4}));
  EXPECT_EQ(rec.TxPdoTable[1].Mapping,
            (Texts{"0x5- AI:1", "0x5- AI:1", "0x5- AI:2", "0x5- AI:2", F, F, F, F}));
}

}  // namespace
}  // namespace q4410
