// How a dialogue with the module (connect or download) tells its face what happens.
// The windows turn the calls into a progress bar, message boxes and the status line;
// q4410ctl prints messages as "TITLE: TEXT" lines.
#pragma once

#include <string>

namespace q4410 {

class DialogueObserver {
 public:
  virtual ~DialogueObserver() = default;
  // A modal message with an OK button.
  virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
  // The main window's status line (CommunicationState).
  virtual void SetStatus(const std::string& text) = 0;
  // Progress of a connect or a download, 0..10.
  virtual void Progress(int value) { (void)value; }

  // A failure: the message as ShowMessage shows it, and `detail`, one line saying where it
  // happened (the exchange, the word, what the console said last; empty when there is nothing
  // to add). A face without room for the detail shows the message alone.
  virtual void ShowFailure(const std::string& text, const std::string& title,
                           const std::string& detail) {
    (void)detail;
    ShowMessage(text, title);
  }
  // The status line after a failure: `text` as SetStatus shows it, with `detail` beside it
  // where the face has room.
  virtual void SetFailureStatus(const std::string& text, const std::string& detail) {
    (void)detail;
    SetStatus(text);
  }
};

}  // namespace q4410
