// Dialogue observer of q4410ctl: every message box becomes one "TITLE: TEXT" line on stderr,
// followed by a second line with the detail of a failure; the status line is kept, not
// printed. Progress is one line on stderr that rewrites itself, shown only when stderr is a
// terminal.
#pragma once

#include <string>

#include "config_file/apply_config.h"
#include "link/connect_procedure.h"

namespace q4410::cli {

class CliObserver : public ConnectObserver {
 public:
  CliObserver();
  ~CliObserver() override;
  CliObserver(const CliObserver&) = delete;
  CliObserver& operator=(const CliObserver&) = delete;

  void ShowMessage(const std::string& text, const std::string& title) override;
  void ShowFailure(const std::string& text, const std::string& title,
                   const std::string& detail) override;
  void SetStatus(const std::string& text) override { lastStatus = text; }
  void Progress(int value) override;

  // What the progress line says before its bar ("reading", "writing").
  void SetStage(const std::string& stage) { stage_ = stage; }
  // Removes the progress line, if one is shown.
  void EndProgress();

  std::string lastStatus;

 private:
  bool terminal_ = false;
  bool shown_ = false;
  std::string stage_ = "working";
};

// A configuration file refused by the windows' rules: their messages, then `verdict`, which
// names the file and the key.
void ShowRefusal(DialogueObserver& observer, const ApplyResult& applied,
                 const std::string& verdict);

}  // namespace q4410::cli
