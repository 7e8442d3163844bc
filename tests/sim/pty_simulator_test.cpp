// The console through a real pseudo-terminal, with plain POSIX calls on the device.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/support/simulated_module.h"

namespace q4410::testing {
namespace {

using Clock = std::chrono::steady_clock;

class Port {
 public:
  explicit Port(const std::string& device) {
    fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) return;
    termios t{};
    ::tcgetattr(fd_, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(fd_, TCSANOW, &t);
    ::tcflush(fd_, TCIOFLUSH);
  }
  ~Port() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool isOpen() const { return fd_ >= 0; }

  void Send(const std::string& text) {
    ASSERT_EQ(::write(fd_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }

  // Writes what the terminal takes without waiting.
  void Push(const std::string& text) { (void)!::write(fd_, text.data(), text.size()); }

  // Reads until `expected` has arrived or `timeoutMs` passed; returns what arrived.
  std::string ReadUntil(const std::string& expected, int timeoutMs = 2000) {
    std::string got;
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (got.find(expected) == std::string::npos) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
      if (left <= 0) break;
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
      char buffer[256];
      const ssize_t n = ::read(fd_, buffer, sizeof buffer);
      if (n > 0) got.append(buffer, static_cast<size_t>(n));
    }
    return got;
  }

 private:
  int fd_ = -1;
};

TEST(PtySimulator, AnswersThroughThePseudoTerminalAndSurvivesReopening) {
  SimulatedModule module;
  ASSERT_TRUE(module.started());
  {
    Port port(module.device());
    ASSERT_TRUE(port.isOpen());
    port.Send("\r");
    EXPECT_EQ(port.ReadUntil("5160QT>"), "\r\n5160QT>");
    port.Send("use eeprom\r");
    EXPECT_EQ(port.ReadUntil("[EEPROM:]"), "use eeprom\r\n[EEPROM:]");
  }
  Port again(module.device());
  ASSERT_TRUE(again.isOpen());
  again.Send("block 2\rel 4\r");
  EXPECT_EQ(again.ReadUntil("-->"), "block 2\r\n[EEPROM:]el 4\r\nLong(4)=0-->");
  again.Send("-1\r");
  EXPECT_EQ(again.ReadUntil("Long(8)=0-->"), "-1\r\nLong(8)=0-->");
  EXPECT_EQ(module.Word(2, 4), 0xFFFFFFFFu);
}

TEST(PtySimulator, FixtureSetsAndReadsTheRunningModulesWords) {
  SimulatedModule module;
  ASSERT_TRUE(module.started());
  EXPECT_EQ(module.ImageBytes().size(), 2048u);
  module.SetWord(0, 40, 0x01B4006Cu);
  EXPECT_EQ(module.Word(0, 40), 0x01B4006Cu);
  Port port(module.device());
  port.Send("use eeprom\rel 40\r");
  EXPECT_NE(port.ReadUntil("-->").find("Long(40)=28573804-->"), std::string::npos);
  port.Send("12\r");
  port.ReadUntil("Long(44)");
  EXPECT_EQ(module.Word(0, 40), 12u);
  EXPECT_EQ(module.ImageBytes()[40], 12);
}

TEST(PtySimulator, LateModuleEchoesAtOnceAndAnswersTheLineLate) {
  sim::SimOptions options;
  options.lateMs = 300;
  SimulatedModule module(options);
  ASSERT_TRUE(module.started());
  Port port(module.device());
  const auto start = Clock::now();
  port.Send("exit\r");
  EXPECT_EQ(port.ReadUntil("exit", 1000), "exit");
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(250));
  EXPECT_EQ(port.ReadUntil(">", 2000), "\r\n5160QT>");
  EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(300));
}

TEST(PtySimulator, SilentModuleSendsNothing) {
  sim::SimOptions options;
  options.silent = true;
  SimulatedModule module(options);
  ASSERT_TRUE(module.started());
  Port port(module.device());
  port.Send("\r\r/q\r.\rexit\r");
  EXPECT_EQ(port.ReadUntil(">", 300), "");
}

TEST(PtySimulator, StopsPromptlyWhenTheClientNeverReads) {
  const auto start = Clock::now();
  {
    SimulatedModule module;
    ASSERT_TRUE(module.started());
    Port port(module.device());
    // Far more answer than the terminal buffers hold.
    for (int i = 0; i < 40; ++i) {
      port.Push(std::string(1000, '\r'));
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
}

TEST(PtySimulator, AnImageThatIsNoImageIsReportedNotServed) {
  sim::SimOptions options;
  options.imagePath = "/";
  sim::PtySimulator simulator(options);
  std::string error;
  EXPECT_FALSE(simulator.Start(&error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(simulator.DevicePath().empty());
}

}  // namespace
}  // namespace q4410::testing
