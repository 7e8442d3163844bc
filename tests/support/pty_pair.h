// A bare pseudo-terminal for port tests: the test plays the module on the master side.
#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

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
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
  }
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  bool ok() const { return master_ >= 0 && slave_ >= 0 && !device_.empty(); }
  const std::string& device() const { return device_; }
  int master() const { return master_; }

  void Send(const std::string& bytes) { (void)!::write(master_, bytes.data(), bytes.size()); }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string device_;
};

}  // namespace q4410::testing
