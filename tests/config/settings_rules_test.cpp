#include "config/settings_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "tests/support/records.h"

namespace q4410 {
namespace {

// Every field the two settings may touch: a refusal leaves them all alone.
std::array<int, 9> Stored(const ParaDef& r) {
  return {r.AppKind,   r.NodeId,      r.CanBaudCode,  r.ComBaudCode, r.ComDataBits,
          r.ComParity, r.ComStopBits, r.ComTimeoutMs, r.ComChecksum};
}

using testing::ConfiguredRecord;

// A refused ID shows the range of the application; an accepted one is rounded half to even
// and stored with the application and the baud position (a code of that application's list:
// code 1 is 250 kbit/s under DeviceNet, 20 kbit/s under CANopen).
TEST(CanSetting, NodeIdRangeAndBaudPositionOfEachApplication) {
  constexpr AppSelection kCo = AppSelection::CANopen, kDn = AppSelection::DeviceNet;
  const std::string co = "Node ID is not supported!(1~127)", dn = "Node ID is not supported!(1~63)",
                    baud = "Baud rate is not supported!";
  struct Case {
    AppSelection app;
    const char* text;
    int baud;
    std::string refusal;
    int stored = 0;
  };
  const Case cases[] = {
      {kCo, "0", 1, co},      {kCo, "128", 1, co},      {kCo, "127.4", 1, co},
      {kCo, "abc", 1, co},    {kDn, "64", 1, dn},       {kCo, "5", 8, baud},
      {kCo, "5", -1, baud},   {kDn, "5", 3, baud},      {kCo, "127", 7, "", 127},
      {kCo, "1", 0, "", 1},   {kCo, "12.5", 1, "", 12}, {kCo, "64", 1, "", 64},
      {kDn, "63", 2, "", 63},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ParaDef rec = ConfiguredRecord();
    rec.AppKind = 1;
    const auto before = Stored(rec);
    const SettingOutcome out = ApplyCanSetting(rec, c.app, c.text, c.baud);
    EXPECT_EQ(out.message, c.refusal);
    EXPECT_EQ(out.ok, c.refusal.empty());
    if (!out.ok) {
      EXPECT_EQ(out.title, "Error");
      EXPECT_EQ(Stored(rec), before);
    } else {
      EXPECT_EQ(std::tuple(rec.AppKind, rec.NodeId, rec.CanBaudCode),
                std::tuple(static_cast<int>(c.app), c.stored, c.baud));
    }
  }
}

// A node ID or baud code outside what the stored application offers falls back to its first.
TEST(CanSetting, FittingToTheStoredApplication) {
  for (auto [app, node, baud, fitted] : {std::tuple{1, 64, 5, std::pair{1, 0}},
                                         {0, 100, 7, std::pair{100, 7}},
                                         {0, 0, 8, std::pair{1, 0}}}) {
    ParaDef rec;
    rec.AppKind = app;
    rec.NodeId = node;
    rec.CanBaudCode = baud;  // the module's check lets 8 through
    FitCanFieldsToApplication(rec);
    EXPECT_EQ(std::pair(rec.NodeId, rec.CanBaudCode), fitted) << node << " " << baud;
  }
}

// Time-out range, list positions, and what is stored: codes from the positions, and the check
// byte of the line parameters.
TEST(ComSetting, TimeOutAndPositionsAreChecked) {
  const std::string timeout = "Timeout value is out of range!(1ms~32767ms)",
                    com = "COM parameter is not supported!";
  struct Case {
    const char* timeout;
    std::array<int, 4> positions;  // baud, data bits, parity, stop bits
    std::string refusal;
    std::array<int, 9> stored = {};  // as Stored() lists them, when accepted
  };
  const Case cases[] = {
      {"0", {0, 0, 0, 0}, timeout},
      {"32768", {0, 0, 0, 0}, timeout},
      {"x", {0, 0, 0, 0}, timeout},
      {"32767.5", {0, 0, 0, 0}, timeout},
      {"200", {8, 0, 0, 0}, com},
      {"200", {0, 1, 0, 0}, com},
      {"200", {0, 0, 3, 0}, com},
      {"200", {0, 0, 0, -1}, com},
      {"1", {3, 0, 0, 0}, "", {0, 5, 3, 3, 8, 0, 1, 1, 174}},
      {"32767", {3, 0, 0, 0}, "", {0, 5, 3, 3, 8, 0, 1, 32767, 174}},
      {"2.5", {7, 0, 1, 1}, "", {0, 5, 3, 7, 8, 1, 2, 2, 206}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.timeout);
    ParaDef rec = ConfiguredRecord();
    const auto before = Stored(rec);
    const auto [baud, dataBits, parity, stopBits] = c.positions;
    const SettingOutcome out = ApplyComSetting(rec, c.timeout, baud, dataBits, parity, stopBits);
    EXPECT_EQ(out.message, c.refusal);
    EXPECT_EQ(out.ok, c.refusal.empty());
    EXPECT_EQ(Stored(rec), out.ok ? c.stored : before);
  }
}

}  // namespace
}  // namespace q4410
