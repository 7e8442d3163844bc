#include "cli/cli_observer.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

namespace q4410::cli {

CliObserver::CliObserver() : terminal_(isatty(STDERR_FILENO) == 1) {}

CliObserver::~CliObserver() {
  EndProgress();
}

void CliObserver::ShowMessage(const std::string& text, const std::string& title) {
  EndProgress();
  std::cerr << title << ": " << text << std::endl;
}

void CliObserver::ShowFailure(const std::string& text, const std::string& title,
                              const std::string& detail) {
  ShowMessage(text, title);
  if (!detail.empty()) std::cerr << "  " << detail << std::endl;
}

// "writing [##########----------]  50%", rewritten in place.
void CliObserver::Progress(int value) {
  if (!terminal_) return;
  const int tenths = std::clamp(value, 0, 10);
  const std::string bar = std::string(2 * tenths, '#') + std::string(20 - 2 * tenths, '-');
  std::cerr << "\r" << stage_ << " [" << bar << "] " << tenths * 10 << "%" << std::flush;
  shown_ = true;
}

void CliObserver::EndProgress() {
  if (!shown_) return;
  std::cerr << "\r\x1b[K" << std::flush;
  shown_ = false;
}

void ShowRefusal(DialogueObserver& observer, const ApplyResult& applied,
                 const std::string& verdict) {
  for (const TableMessage& message : applied.messages)
    observer.ShowMessage(message.text, message.title);
  observer.ShowMessage(verdict, "Error");
}

}  // namespace q4410::cli
