#include "link/port_list.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace q4410
