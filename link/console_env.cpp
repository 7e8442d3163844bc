#include "link/console_env.h"

#include <thread>

namespace q4410 {

ConsoleEnv PlainConsoleEnv() {
  return {[] {
            return std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::steady_clock::now().time_since_epoch());
          },
          [] { std::this_thread::sleep_for(std::chrono::microseconds(100)); }};
}

}  // namespace q4410
