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
};

}  // namespace q4410
