// q4410-sim: serves a simulated module on a pseudo-terminal, or prints / writes image files.
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "config/version.h"
#include "sim/eeprom_store.h"
#include "sim/image_report.h"
#include "sim/pty_simulator.h"
#include "sim/sim_args.h"

namespace {

using q4410::sim::SimCommand;

int Print(const std::string& file) {
  if (access(file.c_str(), F_OK) != 0) {
    std::cerr << "q4410-sim: " << file << ": " << std::strerror(errno) << "\n";
    return 1;
  }
  std::string error;
  const auto store = q4410::sim::EepromStore::Open(file, &error);
  if (!store) {
    std::cerr << "q4410-sim: " << error << "\n";
    return 1;
  }
  std::cout << "Image: " << file << "\n" << q4410::sim::DescribeImage(*store);
  return 0;
}

int Example(const std::string& file) {
  q4410::sim::EepromStore store = q4410::sim::ExampleImage();
  std::string error;
  if (!store.Save(file, &error)) {
    std::cerr << "q4410-sim: " << error << "\n";
    return 1;
  }
  return 0;
}

// Points `link` at `device`, replacing an older symbolic link but nothing else.
bool MakeLink(const std::string& link, const std::string& device) {
  struct stat st {};
  if (lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
    std::cerr << "q4410-sim: " << link << " exists and is not a symbolic link\n";
    return false;
  }
  const std::string temp = link + ".new";
  unlink(temp.c_str());
  if (symlink(device.c_str(), temp.c_str()) != 0 || rename(temp.c_str(), link.c_str()) != 0) {
    std::cerr << "q4410-sim: " << link << ": " << std::strerror(errno) << "\n";
    unlink(temp.c_str());
    return false;
  }
  return true;
}

// Removes `link` if it still points at `device`.
void RemoveLink(const std::string& link, const std::string& device) {
  char target[512];
  const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
  if (n < 0) return;
  target[n] = '\0';
  if (device == target) unlink(link.c_str());
}

int Serve(const SimCommand& cmd) {
  // Block the stop signals before the serving thread starts, then wait for them here.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  q4410::sim::PtySimulator simulator(cmd.options);
  std::string error;
  if (!simulator.Start(&error)) {
    std::cerr << "q4410-sim: " << error << "\n";
    return 1;
  }
  const std::string device = simulator.DevicePath();
  if (!cmd.linkPath.empty() && !MakeLink(cmd.linkPath, device)) return 1;
  std::cout << device << std::endl;

  int signal = 0;
  while (sigwait(&stopSignals, &signal) != 0) {
  }
  simulator.Stop();
  if (!cmd.linkPath.empty()) RemoveLink(cmd.linkPath, device);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const std::optional<SimCommand> cmd = q4410::sim::ParseSimArgs(args, &error);
  if (!cmd) {
    std::cerr << "q4410-sim: " << error << "\nTry 'q4410-sim --help'.\n";
    return 2;
  }
  switch (cmd->mode) {
    case SimCommand::Mode::Help:
      std::cout << q4410::sim::SimHelpText();
      return 0;
    case SimCommand::Mode::Version:
      std::cout << "q4410-sim " << q4410::kVersion << "\n";
      return 0;
    case SimCommand::Mode::Print:
      return Print(cmd->file);
    case SimCommand::Mode::Example:
      return Example(cmd->file);
    case SimCommand::Mode::Serve:
      return Serve(*cmd);
  }
  return 2;
}
