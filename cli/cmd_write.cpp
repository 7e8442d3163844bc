// q4410ctl write: connect, apply a configuration file as the windows would, download it, read
// it back and write the EDS file. The exit status says what state the module is left in.
#include <iostream>

#include "canopen/download_procedure.h"
#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "cli/cli_observer.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
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
  observer.SetStage("reading");
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
    ShowRefusal(observer, applied,
                "The configuration file " + configPath + " is refused at \"" + applied.key +
                    "\"; nothing was written");
    return 1;
  }

  BuildPdoMapping(rec);
  DownloadRequest request{device, edsDir, NowLocal()};
  request.verify = !in.IsSet("no-verify");
  observer.SetStage(request.verify ? "writing and verifying" : "writing");
  const DownloadOutcome outcome = RunDownload(rec, link, request, observer);
  observer.EndProgress();
  if (outcome.result != DownloadResult::Done) return ExitStatusOf(outcome);
  std::cout << observer.lastStatus << ": " << edsDir << "/" << EdsFileName(rec) << std::endl;
  return kExitDone;
}

}  // namespace

Command WriteCommand() {
  return {
      "write",
      "write [--port DEVICE] --config FILE [--eds-dir DIR] [--no-verify] [--trace FILE]",
      QString("Connect with \"CANopen\", apply the configuration file with the validations of "
              "the\n"
              "windows, write it into the module, read every word written back and compare,\n"
              "and write the EDS file into DIR. Keys missing from the file keep what the\n"
              "module holds. Nothing is written to the module when the file is refused or\n"
              "the EDS file cannot be written (a missing DIR is created first).\n\n") +
          kExitStatusHelp,
      {PortOption("The module's port (default: $Q4410_PORT)."),
       QCommandLineOption("config", "The configuration file (\"-\": standard input).", "FILE"),
       QCommandLineOption("eds-dir",
                          "Where the EDS file goes (default: the current "
                          "directory).",
                          "DIR"),
       QCommandLineOption("no-verify", "Do not read the words written back (the verification)."),
       TraceOption()},
      {},
      Run};
}

}  // namespace q4410::cli
