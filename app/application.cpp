#include "app/application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <chrono>
#include <thread>

#include "app/logo.h"

namespace q4410::app {

namespace {

constexpr int kSplashMs = 1000;

// Lets the event loop run for `ms` milliseconds, measured on a monotonic clock.
void WaitWithEvents(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace

Application::Application(const StartOptions& options, std::unique_ptr<SerialTrace> trace)
    : trace_(std::move(trace)),
      settings_(options.freshSettings
                    ? std::unique_ptr<ui::SettingsStore>(new ui::MemorySettingsStore)
                    : std::unique_ptr<ui::SettingsStore>(new ui::QtSettingsStore)),
      session_{rec_, {port_, ui::WindowConsoleEnv()}, boxes_, options.edsDirectory, options.ports},
      windows_(session_),
      consoleLog_(std::make_unique<ui::ConsoleLogWindow>(*trace_, boxes_)) {
  session_.settings = settings_.get();
  session_.files = &files_;
  session_.consoleLog = consoleLog_.get();
}

int Application::Run() {
  {
    Logo logo;
    logo.show();
    ui::CentreOnScreen(&logo);
    WaitWithEvents(kSplashMs);
  }
  windows_.ShowMain();
  return QApplication::exec();
}

}  // namespace q4410::app
