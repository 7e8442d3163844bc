// q4410ctl: the utility's procedures without windows.
#include <QCoreApplication>
#include <iostream>
#include <string>

#include "cli/commands.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using namespace q4410::cli;
  Args args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    std::cout << HelpText();
    return args.empty() ? 2 : 0;
  }
  const std::string command = args[0];
  args.erase(args.begin());
  if (command == "ports") return RunPorts(args);
  if (command == "read") return RunRead(args);
  if (command == "eds") return RunEds(args);
  if (command == "write") return RunWrite(args);
  std::cerr << "q4410ctl: unknown command '" << command << "' (see q4410ctl --help)\n";
  return 2;
}
