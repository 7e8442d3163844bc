// q4410ctl eds: the EDS file of a configuration file, without a module.
#include <iostream>

#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "cli/apply_config.h"
#include "cli/cli_observer.h"
#include "cli/commands.h"
#include "cli/record_json.h"
#include "cli/text_file.h"
#include "config/clock_time.h"

namespace q4410::cli {

namespace {

int Usage(const std::string& problem) {
  std::cerr << "q4410ctl eds: " << problem << "\n"
            << "usage: q4410ctl eds --config FILE [--eds-dir DIR]\n";
  return 2;
}

// A failure is shown as the windows show it: one "TITLE: TEXT" line.
void Fail(const std::string& text) {
  std::cerr << "Error: " << text << std::endl;
}

}  // namespace

int RunEds(const Args& args) {
  std::string configPath;
  std::string edsDir = ".";
  bool haveConfig = false;
  bool haveDir = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option != "--config" && option != "--eds-dir")
      return Usage("unknown argument '" + option + "'");
    if (i + 1 >= args.size() || args[i + 1].empty()) return Usage(option + " needs a value");
    bool& seen = option == "--config" ? haveConfig : haveDir;
    if (seen) return Usage(option + " given twice");
    seen = true;
    (option == "--config" ? configPath : edsDir) = args[++i];
  }
  if (!haveConfig) return Usage("--config FILE is required");

  std::string text;
  std::string error;
  if (!ReadWholeFile(configPath, text, error)) {
    Fail("The configuration file " + configPath + " could not be read: " + error);
    return 1;
  }
  ParaDef rec;
  ConfigFile file;
  if (!RecordFromJson(text, rec, file, error)) {
    Fail("The configuration file " + configPath + " is refused: " + error);
    return 1;
  }
  // The values pass the checks of `write` and the windows, with their messages.
  CliObserver observer;
  if (!ApplyConfigFile(rec, file, observer)) return 1;
  // The file describes what a download of its objects would leave in the module: the
  // object table was rewritten, so the file describes node guarding.
  rec.AppObjectsUnchanged = false;
  BuildPdoMapping(rec);

  EdsWriteResult written = WriteEdsFile(rec, NowLocal(), edsDir);
  if (!written.ok) {
    Fail("The EDS file " + written.path + " could not be written: " + written.error);
    return 1;
  }
  std::cout << written.path << "\n";
  return 0;
}

}  // namespace q4410::cli
