// q4410ctl write: connect, apply a configuration file as the windows would, download it and
// write the EDS file.
#include <iostream>

#include "canopen/download_procedure.h"
#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "cli/apply_config.h"
#include "cli/cli_observer.h"
#include "cli/commands.h"
#include "cli/record_json.h"
#include "cli/text_file.h"
#include "link/connect_procedure.h"
#include "link/qt_serial_port.h"

namespace q4410::cli {

namespace {

int Usage(const std::string& problem) {
  std::cerr << "q4410ctl write: " << problem
            << "\nusage: q4410ctl write --port DEVICE --config FILE [--eds-dir DIR]\n";
  return 2;
}

}  // namespace

int RunWrite(const Args& args) {
  std::string device, configPath, edsDir = ".";
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option != "--port" && option != "--config" && option != "--eds-dir")
      return Usage("unexpected argument '" + option + "'");
    if (i + 1 >= args.size() || args[i + 1].empty()) return Usage(option + " needs a value");
    (option == "--port" ? device : option == "--config" ? configPath : edsDir) = args[++i];
  }
  if (device.empty()) return Usage("--port DEVICE is required");
  if (configPath.empty()) return Usage("--config FILE is required");

  CliObserver observer;
  std::string text, error;
  ParaDef scratch;
  ConfigFile file;
  if (!ReadWholeFile(configPath, text, error) || !RecordFromJson(text, scratch, file, error)) {
    observer.ShowMessage("The configuration file " + configPath + " is refused: " + error, "Error");
    return 1;
  }

  ParaDef rec;
  QtSerialPort port;
  Link link{port, PlainConsoleEnv()};
  if (RunConnect(rec, link, {device, AppSelection::CANopen}, observer) != ConnectResult::Connected)
    return 1;
  if (!ApplyConfigFile(rec, file, observer)) return 1;  // nothing has been written

  BuildPdoMapping(rec);
  const DownloadRequest request{device, edsDir, NowLocal()};
  if (RunDownload(rec, link, request, observer) != DownloadResult::Done) return 1;
  std::cout << observer.lastStatus << ": " << edsDir << "/" << EdsFileName(rec) << std::endl;
  return 0;
}

}  // namespace q4410::cli
