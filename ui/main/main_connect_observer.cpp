#include "ui/main/main_connect_observer.h"

#include "ui/main/main_f.h"

namespace q4410::ui {

void MainConnectObserver::Started() {
  window_.ConnectStarted();
}

void MainConnectObserver::ModuleShown(int controllerKind) {
  window_.ModuleShown(controllerKind);
}

void MainConnectObserver::LinkReleased() {
  window_.ReleaseSerialLink();
}

void MainConnectObserver::ShowMessage(const std::string& text, const std::string& title) {
  window_.session_.boxes.Show(&window_, text, title);
}

void MainConnectObserver::ShowFailure(const std::string& text, const std::string& title,
                                      const std::string& detail) {
  window_.session_.boxes.ShowDetailed(&window_, text, title, detail);
}

void MainConnectObserver::SetStatus(const std::string& text) {
  window_.SetStatus(QString::fromStdString(text));
}

void MainConnectObserver::SetFailureStatus(const std::string& text, const std::string& detail) {
  SetStatus(detail.empty() ? text : text + ": " + detail);
}

void MainConnectObserver::Progress(int value) {
  window_.ConnectProgress(value);
}

}  // namespace q4410::ui
