#include "config/settings_rules.h"

#include <gtest/gtest.h>

#include "config/lists.h"
#include "tests/support/records.h"

namespace q4410 {
namespace {

// Every field the two settings may touch, to show that a refusal leaves them all alone.
struct Stored {
  int AppKind, NodeId, CanBaudCode, ComBaudCode, ComDataBits, ComParity, ComStopBits, ComTimeoutMs,
      ComChecksum;
  bool operator==(const Stored&) const = default;
};

Stored Snapshot(const ParaDef& rec) {
  return {rec.AppKind,   rec.NodeId,      rec.CanBaudCode,  rec.ComBaudCode, rec.ComDataBits,
          rec.ComParity, rec.ComStopBits, rec.ComTimeoutMs, rec.ComChecksum};
}

using testing::ConfiguredRecord;

// A refused ID shows the range of the application and changes nothing; an accepted one is
// rounded half to even and stored with the application and the baud position.
TEST(CanSetting, NodeIdRangeOfEachApplication) {
  struct Case {
    AppSelection app;
    const char* text;
    int stored;  // 0: refused
  };
  const Case cases[] = {
      {AppSelection::CANopen, "0", 0},     {AppSelection::CANopen, "128", 0},
      {AppSelection::CANopen, "127.4", 0}, {AppSelection::CANopen, "abc", 0},
      {AppSelection::DeviceNet, "64", 0},  {AppSelection::CANopen, "127", 127},
      {AppSelection::CANopen, "1", 1},     {AppSelection::CANopen, "12.5", 12},
      {AppSelection::CANopen, "64", 64},   {AppSelection::DeviceNet, "63", 63},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ParaDef rec = ConfiguredRecord();
    rec.AppKind = 1;
    const Stored before = Snapshot(rec);
    const SettingOutcome out = ApplyCanSetting(rec, c.app, c.text, 1);
    EXPECT_EQ(out.ok, c.stored != 0);
    if (c.stored == 0) {
      EXPECT_EQ(out.message, c.app == AppSelection::CANopen ? "Node ID is not supported!(1~127)"
                                                            : "Node ID is not supported!(1~63)");
      EXPECT_EQ(out.title, "Error");
      EXPECT_EQ(Snapshot(rec), before);
    } else {
      EXPECT_EQ(rec.NodeId, c.stored);
      EXPECT_EQ(rec.AppKind, static_cast<int>(c.app));
      EXPECT_EQ(rec.CanBaudCode, 1);
    }
  }
}

TEST(CanSetting, BaudCodeIsThePositionInTheApplicationsList) {
  // 250 kbit/s is position 1 under DeviceNet; the same code is 20 kbit/s under CANopen.
  ParaDef rec;
  ASSERT_EQ(CanBaudEntries(AppSelection::DeviceNet)[1], "       250    KBPS");
  ASSERT_TRUE(ApplyCanSetting(rec, AppSelection::DeviceNet, "5", 1).ok);
  EXPECT_EQ(rec.CanBaudCode, 1);
  EXPECT_EQ(CanBaudEntries(AppSelection::CANopen)[rec.CanBaudCode], "         20    KBPS");

  EXPECT_EQ(CanBaudEntries(AppSelection::CANopen).size(), 8u);
  EXPECT_EQ(CanBaudEntries(AppSelection::DeviceNet).size(), 3u);
  // A position the list does not have is refused rather than stored.
  const Stored before = Snapshot(rec);
  EXPECT_FALSE(ApplyCanSetting(rec, AppSelection::DeviceNet, "5", 3).ok);
  EXPECT_FALSE(ApplyCanSetting(rec, AppSelection::CANopen, "5", -1).ok);
  EXPECT_EQ(Snapshot(rec), before);
}

// A node ID or baud code outside what the stored application offers falls back to its first.
TEST(CanSetting, FittingToTheStoredApplication) {
  struct Case {
    int app, node, baud, fittedNode, fittedBaud;
  };
  for (const Case c : {Case{1, 64, 5, 1, 0}, Case{0, 100, 7, 100, 7}, Case{0, 0, 8, 1, 0}}) {
    ParaDef rec;
    rec.AppKind = c.app;
    rec.NodeId = c.node;
    rec.CanBaudCode = c.baud;  // the module's check lets 8 through
    FitCanFieldsToApplication(rec);
    EXPECT_EQ(rec.NodeId, c.fittedNode) << c.node;
    EXPECT_EQ(rec.CanBaudCode, c.fittedBaud) << c.baud;
  }
}

TEST(ComSetting, TimeOutRangeIsChecked) {
  for (auto [text, stored] : {std::pair{"0", 0},
                              {"32768", 0},
                              {"x", 0},
                              {"32767.5", 0},
                              {"1", 1},
                              {"32767", 32767},
                              {"2.5", 2}}) {
    ParaDef rec = ConfiguredRecord();
    const Stored before = Snapshot(rec);
    const SettingOutcome out = ApplyComSetting(rec, text, 0, 0, 0, 0);
    EXPECT_EQ(out.ok, stored != 0) << text;
    if (stored == 0) {
      EXPECT_EQ(out.message, "Timeout value is out of range!(1ms~32767ms)");
      EXPECT_EQ(Snapshot(rec), before) << text;
    } else {
      EXPECT_EQ(rec.ComTimeoutMs, stored) << text;
    }
  }
}

TEST(ComSetting, StoresCodesFromPositionsAndTheCheckByte) {
  ParaDef rec;
  ASSERT_TRUE(ApplyComSetting(rec, "300", 7, 0, 1, 1).ok);
  EXPECT_EQ(rec.ComBaudCode, 7);
  EXPECT_EQ(rec.ComDataBits, 8);
  EXPECT_EQ(rec.ComParity, 1);
  EXPECT_EQ(rec.ComStopBits, 2);
  EXPECT_EQ(rec.ComTimeoutMs, 300);
  EXPECT_EQ(rec.ComChecksum, 206);  // 115200, 8, even, 2

  ASSERT_TRUE(ApplyComSetting(rec, "200", 3, 0, 0, 0).ok);
  EXPECT_EQ(rec.ComChecksum, 174);  // 9600, 8, none, 1

  const Stored before = Snapshot(rec);
  EXPECT_FALSE(ApplyComSetting(rec, "200", 8, 0, 0, 0).ok);
  EXPECT_FALSE(ApplyComSetting(rec, "200", 0, 1, 0, 0).ok);
  EXPECT_FALSE(ApplyComSetting(rec, "200", 0, 0, 3, 0).ok);
  EXPECT_FALSE(ApplyComSetting(rec, "200", 0, 0, 0, -1).ok);
  EXPECT_EQ(Snapshot(rec), before);
}

}  // namespace
}  // namespace q4410
