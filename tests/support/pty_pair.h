// A bare pseudo-terminal for port tests: the test plays the module on the master side.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <string>

namespace q4410::testing {

class PtyPair {
 public:
  PtyPair() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    const char* name = ::ptsname(master_);
    if (name) device_ = name;
    // Holding the slave open keeps the pty alive while the port under test opens and closes it.
    slave_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY);
  }
  ~PtyPair() {
    CloseMaster();
    if (slave_ >= 0) ::close(slave_);
  }
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  bool ok() const { return master_ >= 0 && slave_ >= 0 && !device_.empty(); }
  const std::string& device() const { return device_; }
  int master() const { return master_; }

  void Send(const std::string& bytes) { (void)!::write(master_, bytes.data(), bytes.size()); }

  // What the port wrote, collected until `count` bytes came or `timeout` passed.
  std::string Receive(std::size_t count, std::chrono::milliseconds timeout) {
    std::string got;
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (got.size() < count && std::chrono::steady_clock::now() < end) {
      pollfd fd{master_, POLLIN, 0};
      if (::poll(&fd, 1, 5) <= 0) continue;
      char buffer[256];
      const ssize_t n = ::read(master_, buffer, sizeof buffer);
      if (n > 0) got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
  }

  void CloseMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string device_;
};

}  // namespace q4410::testing
