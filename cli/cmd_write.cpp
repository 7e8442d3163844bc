// q4410ctl write: connect, apply a configuration file as the windows would, download it and
// write the EDS file.
#include <iostream>

#include "canopen/download_procedure.h"
#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "cli/cli_observer.h"
#include "cli/commands.h"
#include "config_file/apply_config.h"
#include "config_file/config_json.h"
#include "config_file/text_file.h"
#include "link/connect_procedure.h"
#include "link/qt_serial_port.h"
#include "link/traced_port.h"

namespace q4410::cli {

namespace {

int Run(const Invocation& in) {
  const std::string device = in.Port();
  if (device.empty()) return in.UsageError("--port DEVICE (or Q4410_PORT) is required");
  if (!in.IsSet("config")) return in.UsageError("--config FILE is required");
  const std::string configPath = in.Value("config");
  const std::string edsDir = in.IsSet("eds-dir") ? in.Value("eds-dir") : ".";

  CliObserver observer;
  std::string text, error;
  ParaDef scratch;
  ConfigFile file;
  if (!ReadWholeFile(configPath, text, error) || !RecordFromJson(text, scratch, file, error)) {
    observer.ShowMessage("The configuration file " + configPath + " is refused: " + error, "Error");
    return 1;
  }

  ParaDef rec;
  QtSerialPort qtPort;
  TracedPort port(qtPort, in.Trace());
  Link link{port, PlainConsoleEnv()};
  if (RunConnect(rec, link, {device, AppSelection::CANopen}, observer) != ConnectResult::Connected)
    return 1;
  TakeStoredErrorControl(rec);  // what the file leaves out stays as the module holds it
  const ApplyResult applied = ApplyConfigFile(rec, file);
  if (!applied.ok) {  // nothing has been written
    for (const TableMessage& message : applied.messages)
      observer.ShowMessage(message.text, message.title);
    observer.ShowMessage("The configuration file " + configPath + " is refused at \"" +
                             applied.key + "\"; nothing was written",
                         "Error");
    return 1;
  }

  BuildPdoMapping(rec);
  const DownloadRequest request{device, edsDir, NowLocal()};
  if (RunDownload(rec, link, request, observer) != DownloadResult::Done) return 1;
  std::cout << observer.lastStatus << ": " << edsDir << "/" << EdsFileName(rec) << std::endl;
  return 0;
}

}  // namespace

Command WriteCommand() {
  return {"write",
          "write [--port DEVICE] --config FILE [--eds-dir DIR] [--trace FILE]",
          "Connect with \"CANopen\", apply the configuration file with the validations of the\n"
          "windows, write it into the module and write the EDS file into DIR. Keys missing\n"
          "from the file keep what the module holds. Nothing is written to the module when\n"
          "the file is refused.",
          {PortOption("The module's port (default: $Q4410_PORT)."),
           QCommandLineOption("config", "The configuration file (\"-\": standard input).", "FILE"),
           QCommandLineOption("eds-dir",
                              "Where the EDS file goes (default: the current "
                              "directory).",
                              "DIR"),
           TraceOption()},
          {},
          Run};
}

}  // namespace q4410::cli
