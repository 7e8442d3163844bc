// Dialogue observer of q4410ctl: every message box becomes one "TITLE: TEXT" line on stderr;
// the status line and the progress are not printed.
#pragma once

#include <iostream>
#include <string>

#include "link/connect_procedure.h"

namespace q4410::cli {

class CliObserver : public ConnectObserver {
 public:
  void ShowMessage(const std::string& text, const std::string& title) override {
    std::cerr << title << ": " << text << std::endl;
  }
  void SetStatus(const std::string& text) override { lastStatus = text; }
  std::string lastStatus;
};

}  // namespace q4410::cli
