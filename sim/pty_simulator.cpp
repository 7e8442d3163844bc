// The console on a pseudo-terminal. The simulator owns the master side and also keeps the
// slave side open, so that the terminal (and its raw settings) survives a client that closes
// the device and opens it again later, as the utility does for every connect and download.
#include "sim/pty_simulator.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "sim/eeprom_store.h"
#include "sim/module_console.h"

namespace q4410::sim {
namespace {

// Output that the client does not take within this time is dropped, as on a serial line
// with nobody listening.
constexpr int kWriteGiveUpMs = 1000;

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

bool MakeRaw(int fd) {
  termios t{};
  if (::tcgetattr(fd, &t) != 0) return false;
  ::cfmakeraw(&t);
  return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

}  // namespace

struct PtySimulator::Impl {
  int master = -1;
  int slave = -1;
  int stopRead = -1;
  int stopWrite = -1;
  std::thread thread;
  std::mutex mutex;  // guards store and console
  std::optional<EepromStore> store;
  std::unique_ptr<ModuleConsole> console;
  int lateMs = 0;

  ~Impl() {
    CloseFd(master);
    CloseFd(slave);
    CloseFd(stopRead);
    CloseFd(stopWrite);
  }

  // Waits up to `ms` for the stop request; true when stopping.
  bool WaitForStop(int ms) {
    pollfd p{stopRead, POLLIN, 0};
    for (;;) {
      const int r = ::poll(&p, 1, ms);
      if (r < 0 && errno == EINTR) continue;
      return r > 0;
    }
  }

  // Writes all of `data` unless stopping or the client does not read; false when stopping.
  bool WriteAll(const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
      const ssize_t n = ::write(master, data.data() + done, data.size() - done);
      if (n > 0) {
        done += static_cast<size_t>(n);
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return true;  // drop it
      pollfd p[2] = {{master, POLLOUT, 0}, {stopRead, POLLIN, 0}};
      const int r = ::poll(p, 2, kWriteGiveUpMs);
      if (r < 0 && errno == EINTR) continue;
      if (r <= 0) return true;  // nobody reads: drop the rest
      if (p[1].revents) return false;
    }
    return true;
  }

  void Serve() {
    char buffer[256];
    for (;;) {
      pollfd p[2] = {{master, POLLIN, 0}, {stopRead, POLLIN, 0}};
      const int r = ::poll(p, 2, -1);
      if (r < 0) {
        if (errno == EINTR) continue;
        return;
      }
      if (p[1].revents) return;
      if (!(p[0].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      const ssize_t n = ::read(master, buffer, sizeof buffer);
      if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EIO)) {
        if (errno == EIO && WaitForStop(10)) return;  // no slave open: wait, don't spin
        continue;
      }
      if (n <= 0) {
        if (WaitForStop(10)) return;
        continue;
      }
      for (ssize_t i = 0; i < n; ++i) {
        std::string answer;
        {
          std::lock_guard<std::mutex> lock(mutex);
          answer = console->Type(std::string_view(&buffer[i], 1));
        }
        if (answer.empty()) continue;
        if (buffer[i] == '\r' && lateMs > 0 && WaitForStop(lateMs)) return;
        if (!WriteAll(answer)) return;
      }
    }
  }
};

PtySimulator::PtySimulator(SimOptions options) : options_(std::move(options)) {}

PtySimulator::~PtySimulator() {
  Stop();
}

bool PtySimulator::Start(std::string* error) {
  auto fail = [&](const std::string& what) {
    if (error) *error = what;
    delete impl_;
    impl_ = nullptr;
    devicePath_.clear();
    return false;
  };
  if (impl_) return fail("already started");
  impl_ = new Impl;
  impl_->lateMs = options_.lateMs;

  if (options_.imagePath.empty()) {
    impl_->store.emplace();
  } else {
    std::string why;
    impl_->store = EepromStore::Open(options_.imagePath, &why);
    if (!impl_->store) return fail(why);
  }
  impl_->console = std::make_unique<ModuleConsole>(*impl_->store, options_);

  impl_->master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (impl_->master < 0) return fail(std::string("posix_openpt: ") + std::strerror(errno));
  if (::grantpt(impl_->master) != 0 || ::unlockpt(impl_->master) != 0)
    return fail(std::string("pseudo-terminal: ") + std::strerror(errno));
  char name[128];
  if (::ptsname_r(impl_->master, name, sizeof name) != 0)
    return fail(std::string("ptsname: ") + std::strerror(errno));
  devicePath_ = name;
  impl_->slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (impl_->slave < 0) return fail(devicePath_ + ": " + std::strerror(errno));
  // Raw both ways: no echo by the line discipline, no CR/LF translation.
  if (!MakeRaw(impl_->slave) || !MakeRaw(impl_->master))
    return fail(std::string("raw mode: ") + std::strerror(errno));
  const int flags = ::fcntl(impl_->master, F_GETFL);
  if (flags < 0 || ::fcntl(impl_->master, F_SETFL, flags | O_NONBLOCK) != 0)
    return fail(std::string("fcntl: ") + std::strerror(errno));
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return fail(std::string("pipe: ") + std::strerror(errno));
  impl_->stopRead = pipeFds[0];
  impl_->stopWrite = pipeFds[1];

  Impl* impl = impl_;
  impl_->thread = std::thread([impl] { impl->Serve(); });
  return true;
}

void PtySimulator::Stop() {
  if (!impl_) return;
  if (impl_->thread.joinable()) {
    const char c = 'x';
    while (::write(impl_->stopWrite, &c, 1) < 0 && errno == EINTR) {
    }
    impl_->thread.join();
  }
  delete impl_;
  impl_ = nullptr;
}

void PtySimulator::SetWord(int block, int offset, uint32_t value) {
  if (!impl_) return;
  std::lock_guard<std::mutex> lock(impl_->mutex);
  impl_->store->SetWord(block, offset, value);
}

}  // namespace q4410::sim
