// Time and event-loop seams of the console exchanges.
#pragma once

#include <chrono>
#include <functional>

namespace q4410 {

// Reply window of every console exchange.
inline constexpr int kConsoleTimeoutMs = 200;

struct ConsoleEnv {
  // Monotonic clock.
  std::function<std::chrono::microseconds()> now;
  // Lets the event loop run once; may block for a short moment (well under a millisecond)
  // when nothing is pending, so that waiting does not spin a core.
  std::function<void()> pump;
};

// A steady clock and a pump that only sleeps briefly: for code without an event loop.
ConsoleEnv PlainConsoleEnv();

}  // namespace q4410
