// q4410ctl read: the connect of the main window, printed instead of shown.
#include <iostream>

#include "cli/cli_observer.h"
#include "cli/commands.h"
#include "cli/record_text.h"
#include "config_file/apply_config.h"
#include "config_file/config_json.h"
#include "link/connect_procedure.h"
#include "link/qt_serial_port.h"
#include "link/traced_port.h"

namespace q4410::cli {

namespace {

int Run(const Invocation& in) {
  ConnectRequest request{in.Port(),
                         in.IsSet("devicenet") ? AppSelection::DeviceNet : AppSelection::CANopen};
  if (request.port.empty()) return in.UsageError("--port DEVICE (or Q4410_PORT) is required");

  ParaDef rec;
  QtSerialPort qtPort;
  TracedPort port(qtPort, in.Trace());
  Link link{port, PlainConsoleEnv()};
  CliObserver observer;
  observer.SetStage("reading");
  const ConnectResult result = RunConnect(rec, link, request, observer);
  observer.EndProgress();
  if (result != ConnectResult::Connected) return 1;
  TakeStoredErrorControl(rec);
  if (in.IsSet("json"))
    std::cout << RecordToJson(rec, true) << std::flush;
  else
    std::cout << RecordToText(rec) << std::endl;
  return 0;
}

}  // namespace

Command ReadCommand() {
  return {
      "read",
      "read [--port DEVICE] [--devicenet] [--json] [--trace FILE]",
      "Connect to the module on DEVICE and print its stored configuration. --json prints\n"
      "the configuration file form (\"Format\": \"q4410/1\") that write and eds take.",
      {PortOption("The module's port (default: $Q4410_PORT)."),
       QCommandLineOption("devicenet", "Read as with \"DeviceNet\" selected in the main window."),
       QCommandLineOption("json",
                          "Print one JSON object whose keys are the record's field "
                          "names."),
       TraceOption()},
      {},
      Run};
}

}  // namespace q4410::cli
