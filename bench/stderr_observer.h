// What a connect or download tells its face, for both benchmarks: messages and failures on
// stderr, the status line dropped.
#pragma once

#include <cstdio>
#include <string>

#include "link/connect_procedure.h"

namespace q4410::bench {

class StderrObserver : public ConnectObserver {
 public:
  void ShowMessage(const std::string& text, const std::string& title) override {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  }
  void ShowFailure(const std::string& text, const std::string& title,
                   const std::string& detail) override {
    std::fprintf(stderr, "%s: %s\n  %s\n", title.c_str(), text.c_str(), detail.c_str());
  }
  void SetStatus(const std::string&) override {}
};

}  // namespace q4410::bench
