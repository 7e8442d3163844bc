// Records what a dialogue tells its face, in order.
#pragma once

#include <string>
#include <vector>

#include "link/connect_procedure.h"

namespace q4410::testing {

class RecordingConnectObserver : public ConnectObserver {
 public:
  void Started() override { events.push_back("started"); }
  void ModuleShown(int controllerKind) override {
    events.push_back("shown " + std::to_string(controllerKind));
  }
  void LinkReleased() override { events.push_back("released"); }
  void ShowMessage(const std::string& text, const std::string& title) override {
    events.push_back(title + ": " + text);
    messages.push_back(title + ": " + text);
  }
  void SetStatus(const std::string& text) override {
    events.push_back("status " + text);
    status = text;
  }
  void Progress(int value) override { progress.push_back(value); }

  std::vector<std::string> events;
  std::vector<std::string> messages;
  std::vector<int> progress;
  std::string status = "(untouched)";
};

}  // namespace q4410::testing
