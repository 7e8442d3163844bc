// q4410ctl eds: the EDS file of a configuration file, without a module.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "cli/commands.h"
#include "cli/record_json.h"
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

bool ReadWholeFile(const std::string& path, std::string& text, std::string& error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = "it is a directory";
    return false;
  }
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = errno != 0 ? std::strerror(errno) : "cannot be opened";
    return false;
  }
  std::ostringstream bytes;
  bytes << file.rdbuf();
  if (file.bad()) {
    error = "cannot be read";
    return false;
  }
  text = bytes.str();
  return true;
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
