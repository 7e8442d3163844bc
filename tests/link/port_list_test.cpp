#include "link/port_list.h"

#include <gtest/gtest.h>

#include <QProcess>

#include "link/qt_port_scan.h"

namespace q4410 {
namespace {

using Ports = std::vector<std::string>;

TEST(PortListTest, SystemPortsInNaturalOrder) {
  EXPECT_EQ(
      OrderPorts({}, {"/dev/ttyUSB0", "/dev/ttyS10", "/dev/ttyS2", "/dev/ttyACM0", "/dev/ttyS1"}),
      (Ports{"/dev/ttyACM0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0"}));
  EXPECT_EQ(OrderPorts({}, {"COM 12", "COM 3", "COM 1"}), (Ports{"COM 1", "COM 3", "COM 12"}));
}

TEST(PortListTest, ExtrasFirstInGivenOrderWithoutDuplicates) {
  EXPECT_EQ(OrderPorts({"/tmp/sim-b", "/dev/ttyS1", "/tmp/sim-a", "/tmp/sim-b", ""},
                       {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS0"}),
            (Ports{"/tmp/sim-b", "/dev/ttyS1", "/tmp/sim-a", "/dev/ttyS0"}));
}

TEST(PortListTest, AtMostTenPortsAreOffered) {
  Ports system;
  for (int i = 31; i >= 0; --i) system.push_back("/dev/ttyS" + std::to_string(i));
  Ports expected;
  for (int i = 0; i < 10; ++i) expected.push_back("/dev/ttyS" + std::to_string(i));
  EXPECT_EQ(OrderPorts({}, system), expected);

  Ports extras;
  for (int i = 0; i < 12; ++i) extras.push_back("/tmp/p" + std::to_string(i));
  const Ports offered = OrderPorts(extras, system);
  ASSERT_EQ(offered.size(), 10u);
  EXPECT_EQ(offered.front(), "/tmp/p0");
  EXPECT_EQ(offered.back(), "/tmp/p9");
}

TEST(PortListTest, NaturalOrderComparesNumbersByValue) {
  EXPECT_TRUE(NaturalLess("ttyS9", "ttyS10"));
  EXPECT_FALSE(NaturalLess("ttyS10", "ttyS9"));
  EXPECT_TRUE(NaturalLess("ttyS007", "ttyS10"));
  EXPECT_TRUE(NaturalLess("ttyS", "ttyS0"));
  EXPECT_TRUE(NaturalLess("ttyS99999999999999999999", "ttyS100000000000000000000"));
  EXPECT_FALSE(NaturalLess("ttyS1", "ttyS1"));
  // Equal by value but different texts still sort in one fixed order.
  EXPECT_NE(NaturalLess("ttyS01", "ttyS1"), NaturalLess("ttyS1", "ttyS01"));
}

// `q4410ctl ports` prints exactly the list the main window offers.
TEST(PortListTest, CommandLineListsTheScannedPorts) {
  auto run = [](const QStringList& args, QString* out = nullptr) {
    QProcess ctl;
    ctl.start(Q4410_CTL_PATH, QStringList{"ports"} + args);
    EXPECT_TRUE(ctl.waitForFinished(10000));
    if (out) *out = QString::fromUtf8(ctl.readAllStandardOutput());
    return ctl.exitCode();
  };
  QString out;
  ASSERT_EQ(run({"--port", "/tmp/sim-b", "--port", "/tmp/sim-a", "--port", "/tmp/sim-b"}, &out), 0);
  std::string expected;
  for (const std::string& label : ScanPorts({"/tmp/sim-b", "/tmp/sim-a"})) expected += label + "\n";
  EXPECT_EQ(out.toStdString(), expected);
  EXPECT_TRUE(out.startsWith("/tmp/sim-b\n/tmp/sim-a\n"));
  EXPECT_EQ(run({"--port"}), 2);
  EXPECT_EQ(run({"--baud", "9600"}), 2);
}

}  // namespace
}  // namespace q4410
