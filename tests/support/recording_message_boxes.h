// Message boxes for window tests: records every box and beep, answers Yes/No as told.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/common/message_boxes.h"

namespace q4410::testing {

// The first of the queued answers, taken off the queue; a default one when none is left.
template <typename T>
T TakeFirst(std::deque<T>& queue) {
  if (queue.empty()) return T{};
  T first = queue.front();
  queue.pop_front();
  return first;
}

struct RecordedBox {
  std::string text;
  std::string title;
  bool question = false;
  bool waits = true;  // false for a message that does not wait for OK
  bool operator==(const RecordedBox&) const = default;
};

class RecordingMessageBoxes : public ui::MessageBoxes {
 public:
  using Text = const std::string&;
  void Show(QWidget*, Text text, Text title) override { boxes.push_back({text, title, false}); }
  void Notify(QWidget*, Text text, Text title) override {
    boxes.push_back({text, title, false, false});
  }
  bool AskYesNo(QWidget*, Text text, Text title) override {
    boxes.push_back({text, title, true});
    return TakeFirst(answers);
  }
  void Beep() override { ++beeps; }

  std::vector<RecordedBox> boxes;
  std::deque<bool> answers;  // Yes = true; No when empty
  int beeps = 0;
};

}  // namespace q4410::testing
