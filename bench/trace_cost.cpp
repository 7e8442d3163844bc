// What the serial trace costs a connect: connects against the simulated module through a
// pseudo-terminal, with the window's event pump, plain, traced to a file, and traced to a file
// and the live console log window, interleaved run by run. Prints the medians, the overhead
// in percent of the plain connect, and the time spent inside the trace itself.
#include <QApplication>
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/example_module.h"
#include "bench/stderr_observer.h"
#include "link/connect_procedure.h"
#include "link/qt_serial_port.h"
#include "link/traced_port.h"
#include "sim/image_report.h"
#include "sim/pty_simulator.h"
#include "ui/common/console_log_window.h"
#include "ui/common/message_boxes.h"

namespace {

using Clock = std::chrono::steady_clock;
using q4410::OpenResult;
using q4410::SerialPort;

// Adds up the time spent in the calls of the port it wraps.
class StopwatchPort : public SerialPort {
 public:
  explicit StopwatchPort(SerialPort& inner) : inner_(inner) {}
  template <typename F>
  auto Timed(F f) {
    const auto start = Clock::now();
    struct Add {
      Clock::duration& spent;
      Clock::time_point start;
      ~Add() { spent += Clock::now() - start; }
    } add{spent, start};
    return f();
  }
  OpenResult Open(const std::string& device) override {
    return Timed([&] { return inner_.Open(device); });
  }
  void Close() override {
    Timed([&] { inner_.Close(); });
  }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void ClearInput() override {
    Timed([&] { inner_.ClearInput(); });
  }
  std::size_t BytesWaitingIn() override {
    return Timed([&] { return inner_.BytesWaitingIn(); });
  }
  std::size_t BytesWaitingOut() override {
    return Timed([&] { return inner_.BytesWaitingOut(); });
  }
  void Write(std::string_view bytes) override {
    Timed([&] { inner_.Write(bytes); });
  }
  std::string ReadAll() override {
    return Timed([&] { return inner_.ReadAll(); });
  }
  Clock::duration spent{};

 private:
  SerialPort& inner_;
};

class NoBoxes : public q4410::ui::MessageBoxes {
 public:
  void Show(QWidget*, const std::string&, const std::string&) override {}
  void Notify(QWidget*, const std::string&, const std::string&) override {}
  bool AskYesNo(QWidget*, const std::string&, const std::string&) override { return false; }
  void Beep() override {}
};

// The window's pump: pending events, then a short sleep.
q4410::ConsoleEnv WindowEnv() {
  q4410::ConsoleEnv env = q4410::PlainConsoleEnv();
  env.pump = [] {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::microseconds(100));
  };
  return env;
}

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// One way of running the connect; the trace and the window live for the whole measurement,
// as they live for a whole run of the programs.
struct Mode {
  const char* name;
  std::unique_ptr<q4410::SerialTrace> trace;  // null: no trace
  std::unique_ptr<q4410::ui::ConsoleLogWindow> window;
  std::vector<double> ms;        // whole connect
  std::vector<double> insideMs;  // spent in the trace (traced port minus the port it wraps)
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
  const auto dir = std::filesystem::temp_directory_path() / "q4410-trace-bench";
  const auto module = q4410::bench::StartExampleModule(dir);
  if (!module) return 1;
  q4410::sim::PtySimulator& simulator = *module;

  q4410::bench::StderrObserver observer;
  NoBoxes boxes;
  std::vector<Mode> modes(3);
  modes[0].name = "plain";
  modes[1].name = "file";
  modes[2].name = "file+window";
  std::string error;
  for (std::size_t m = 1; m < modes.size(); ++m) {
    const std::string path = (dir / (std::string("trace-") + modes[m].name + ".log")).string();
    modes[m].trace = q4410::OpenSerialTrace(path, error);
    if (!modes[m].trace) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
  }
  modes[2].window = std::make_unique<q4410::ui::ConsoleLogWindow>(*modes[2].trace, boxes);
  modes[2].window->show();

  q4410::QtSerialPort qtPort;
  for (int run = 0; run < runs; ++run) {
    for (std::size_t k = 0; k < modes.size(); ++k) {
      Mode& mode = modes[(run + k) % modes.size()];  // rotated, so drift hits every mode alike
      StopwatchPort inner(qtPort);
      q4410::TracedPort traced(inner, mode.trace.get());
      StopwatchPort outer(traced);
      q4410::Link link{outer, WindowEnv()};
      q4410::ParaDef rec;
      const auto start = Clock::now();
      if (q4410::RunConnect(rec, link, {simulator.DevicePath(), q4410::AppSelection::CANopen},
                            observer) != q4410::ConnectResult::Connected)
        return 1;
      mode.ms.push_back(Ms(Clock::now() - start));
      mode.insideMs.push_back(Ms(outer.spent - inner.spent));
    }
  }

  const std::size_t lines = static_cast<std::size_t>(modes[2].window->Text().count('\n') + 1);
  std::printf("connects against the simulator, %d runs per mode, %zu trace lines per connect\n",
              runs, lines / static_cast<std::size_t>(runs));
  const double plain = Median(modes[0].ms);
  for (const Mode& mode : modes) {
    const double median = Median(mode.ms);
    std::printf(
        "%-12s median %7.1f ms | overhead %+6.2f %% | inside the trace %6.3f ms (%5.2f %%)\n",
        mode.name, median, (median - plain) / plain * 100.0, Median(mode.insideMs),
        Median(mode.insideMs) / plain * 100.0);
  }
  std::printf("trace files in %s\n", dir.c_str());
  return 0;
}
