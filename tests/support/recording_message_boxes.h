// Message boxes for window tests: records every box and beep, answers Yes/No as told.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/common/message_boxes.h"

namespace q4410::testing {

struct RecordedBox {
  std::string text;
  std::string title;
  bool question = false;
  bool waits = true;  // false for a message that does not wait for OK
  bool operator==(const RecordedBox&) const = default;
};

class RecordingMessageBoxes : public ui::MessageBoxes {
 public:
  void Show(QWidget*, const std::string& text, const std::string& title) override {
    boxes.push_back({text, title, false});
  }
  void Notify(QWidget*, const std::string& text, const std::string& title) override {
    boxes.push_back({text, title, false, false});
  }
  bool AskYesNo(QWidget*, const std::string& text, const std::string& title) override {
    boxes.push_back({text, title, true});
    if (answers.empty()) return false;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Beep() override { ++beeps; }

  std::vector<RecordedBox> boxes;
  std::deque<bool> answers;  // Yes = true; No when empty
  int beeps = 0;
};

}  // namespace q4410::testing
