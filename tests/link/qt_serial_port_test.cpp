#include "link/qt_serial_port.h"

#include <gtest/gtest.h>
#include <termios.h>

#include <chrono>
#include <thread>

#include "tests/support/pty_pair.h"

namespace q4410 {
namespace {

using namespace std::chrono_literals;
using testing::PtyPair;

TEST(QtSerialPortTest, OpenFailuresAreToldAndListLabelsNameTheSystemPort) {
  QtSerialPort port;
  EXPECT_EQ(port.Open("/dev/q4410-no-such-port").failure, OpenFailure::InvalidPort);
  EXPECT_EQ(port.Open("").failure, OpenFailure::InvalidPort);
  EXPECT_FALSE(port.IsOpen());
  // A character device that is no terminal: a failure with the system's own words.
  const OpenResult null = port.Open("/dev/null");
  EXPECT_EQ(null.failure, OpenFailure::Other);
  EXPECT_FALSE(null.description.empty());
  EXPECT_FALSE(port.IsOpen());
  // A list label "COM 3" names the system port "COM3".
  EXPECT_EQ((std::vector{DeviceOfLabel("COM 3"), DeviceOfLabel("COM 12"), DeviceOfLabel("COM x")}),
            (std::vector<std::string>{"COM3", "COM12", "COM x"}));
}

TEST(QtSerialPortTest, LineIs115200Baud8N1WithoutHandshake) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  QtSerialPort port;
  ASSERT_TRUE(port.Open(pty.device()).ok());
  termios line{};
  ASSERT_EQ(::tcgetattr(pty.master(), &line), 0);
  EXPECT_EQ(::cfgetospeed(&line), static_cast<speed_t>(B115200));
  EXPECT_EQ(::cfgetispeed(&line), static_cast<speed_t>(B115200));
  EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL), 0u);  // a typed CR reaches the module as CR
  EXPECT_EQ(line.c_oflag & OPOST, 0u);
}

// Bytes that arrived before a command are dropped, without the event loop as q4410ctl waits.
TEST(QtSerialPortTest, ClearInputDropsWhatArrived) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  QtSerialPort port;
  ASSERT_TRUE(port.Open(pty.device()).ok());
  pty.Send("stale");
  const auto end = std::chrono::steady_clock::now() + 1s;
  while (port.BytesWaitingIn() < 5 && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(100us);
  ASSERT_EQ(port.BytesWaitingIn(), 5u);
  port.ClearInput();
  EXPECT_EQ(port.BytesWaitingIn(), 0u);
  EXPECT_EQ(port.ReadAll(), "");
}

}  // namespace
}  // namespace q4410
