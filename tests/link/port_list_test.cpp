#include "link/port_list.h"

#include <gtest/gtest.h>

namespace q4410 {
namespace {

using Ports = std::vector<std::string>;

// System ports in natural order after the extras, in their given order without duplicates; at
// most ten in all.
TEST(PortListTest, ExtrasFirstThenSystemPortsInNaturalOrderAtMostTen) {
  EXPECT_EQ(
      OrderPorts({}, {"/dev/ttyUSB0", "/dev/ttyS10", "/dev/ttyS2", "/dev/ttyACM0", "/dev/ttyS1"}),
      (Ports{"/dev/ttyACM0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0"}));
  EXPECT_EQ(OrderPorts({}, {"COM 12", "COM 3", "COM 1"}), (Ports{"COM 1", "COM 3", "COM 12"}));
  EXPECT_EQ(OrderPorts({"/tmp/sim-b", "/dev/ttyS1", "/tmp/sim-a", "/tmp/sim-b", ""},
                       {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS0"}),
            (Ports{"/tmp/sim-b", "/dev/ttyS1", "/tmp/sim-a", "/dev/ttyS0"}));
  Ports system, expected;
  for (int i = 31; i >= 0; --i) system.push_back("/dev/ttyS" + std::to_string(i));
  for (int i = 0; i < 10; ++i) expected.push_back("/dev/ttyS" + std::to_string(i));
  EXPECT_EQ(OrderPorts({}, system), expected);
}

}  // namespace
}  // namespace q4410
