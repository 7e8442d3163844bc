// q4410ctl read: the connect of the main window, printed instead of shown.
#include <iostream>

#include "cli/cli_observer.h"
#include "cli/commands.h"
#include "cli/record_json.h"
#include "cli/record_text.h"
#include "link/connect_procedure.h"
#include "link/qt_serial_port.h"

namespace q4410::cli {

namespace {

int Usage(const std::string& problem) {
  std::cerr << "q4410ctl read: " << problem
            << "\nusage: q4410ctl read --port DEVICE [--devicenet] [--json]\n";
  return 2;
}

}  // namespace

int RunRead(const Args& args) {
  ConnectRequest request;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--port" && i + 1 < args.size() && request.port.empty()) {
      request.port = args[++i];
    } else if (args[i] == "--devicenet") {
      request.selected = AppSelection::DeviceNet;
    } else if (args[i] == "--json") {
      json = true;
    } else {
      return Usage("unexpected argument '" + args[i] + "'");
    }
  }
  if (request.port.empty()) return Usage("--port DEVICE is required");

  ParaDef rec;
  QtSerialPort port;
  Link link{port, PlainConsoleEnv()};
  CliObserver observer;
  if (RunConnect(rec, link, request, observer) != ConnectResult::Connected) return 1;
  if (json)
    std::cout << RecordToJson(rec, true) << std::flush;
  else
    std::cout << RecordToText(rec) << std::endl;
  return 0;
}

}  // namespace q4410::cli
