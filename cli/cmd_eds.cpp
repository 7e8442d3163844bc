// q4410ctl eds: the EDS file of a configuration file, without a module.
#include <iostream>

#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "cli/cli_observer.h"
#include "cli/commands.h"
#include "config/clock_time.h"
#include "config_file/apply_config.h"
#include "config_file/config_json.h"
#include "config_file/text_file.h"

namespace q4410::cli {

namespace {

int Run(const Invocation& in) {
  if (!in.IsSet("config")) return in.UsageError("--config FILE is required");
  const std::string configPath = in.Value("config");
  const std::string edsDir = in.IsSet("eds-dir") ? in.Value("eds-dir") : ".";

  // A failure is shown as the windows show it: one "TITLE: TEXT" line.
  CliObserver observer;
  const auto Fail = [&observer](const std::string& text) { observer.ShowMessage(text, "Error"); };
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
  const ApplyResult applied = ApplyConfigFile(rec, file);
  if (!applied.ok) {
    ShowRefusal(observer, applied,
                "The configuration file " + configPath + " is refused at \"" + applied.key + "\"");
    return 1;
  }
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

}  // namespace

Command EdsCommand() {
  return {"eds",
          "eds --config FILE [--eds-dir DIR]",
          "Write the CANopen EDS file (COPn<node>.eds) for a configuration file in the form of\n"
          "\"read --json\" into DIR. Keys missing from the file keep their start-up values; the\n"
          "file describes node guarding.",
          {QCommandLineOption("config", "The configuration file (\"-\": standard input).", "FILE"),
           QCommandLineOption("eds-dir",
                              "Where the EDS file goes (default: the current "
                              "directory).",
                              "DIR")},
          {},
          Run};
}

}  // namespace q4410::cli
