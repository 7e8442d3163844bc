#include "ui/window_manager.h"

#include <QComboBox>
#include <QLineEdit>

#include "ui/canopen/copeds_f.h"
#include "ui/canopen/show_pdo.h"
#include "ui/main/main_f.h"
#include "ui/objects/io_app_obj_set_modbus.h"
#include "ui/objects/show_app_obj.h"
#include "ui/objects/show_module.h"

namespace q4410::ui {

namespace {

template <typename Window>
void Unload(QPointer<Window>& window) {
  if (!window) return;
  window->hide();
  window->deleteLater();
  window = nullptr;
}

// Loads a fresh window (unloading an earlier one) and shows it modeless.
template <typename Window>
void Reload(QPointer<Window>& window, Session& session) {
  Unload(window);
  window = new Window(session);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
}

}  // namespace

WindowManager::WindowManager(Session& session) : session_(session) {
  session_.flow = this;
}

WindowManager::~WindowManager() {
  UnloadAllButMain();
  delete main_.data();
  session_.flow = nullptr;
}

Main_F* WindowManager::main() const {
  return main_;
}
IOAppObjSetModbus* WindowManager::editor() const {
  return editor_;
}
COPEDS_F* WindowManager::edsWindow() const {
  return eds_;
}
ShowModule* WindowManager::showModule() const {
  return showModule_;
}
ShowAppObj* WindowManager::showAppObj() const {
  return showAppObj_;
}
ShowPDO* WindowManager::showPdo() const {
  return showPdo_;
}

Main_F* WindowManager::LoadMain() {
  if (!main_) main_ = new Main_F(session_);
  return main_;
}

void WindowManager::ShowMain() {
  LoadMain()->show();
}
void WindowManager::HideMain() {
  if (main_) main_->hide();
}

void WindowManager::OpenEditor() {
  Reload(editor_, session_);
}
void WindowManager::ShowEditor() {
  if (editor_)
    editor_->show();
  else
    OpenEditor();
}
void WindowManager::HideEditor() {
  if (editor_) editor_->hide();
}
void WindowManager::UnloadEditor() {
  Unload(editor_);
}
bool WindowManager::EditorLoaded() const {
  return editor_ != nullptr;
}

void WindowManager::OpenEdsWindow() {
  Reload(eds_, session_);
}
void WindowManager::UnloadEdsWindow() {
  Unload(eds_);
}

void WindowManager::OpenShowModule() {
  Reload(showModule_, session_);
}
void WindowManager::OpenShowAppObj() {
  Reload(showAppObj_, session_);
}
void WindowManager::OpenShowPdo() {
  Reload(showPdo_, session_);
}

void WindowManager::UnloadViewers() {
  Unload(showModule_);
  Unload(showAppObj_);
  Unload(showPdo_);
}

void WindowManager::UnloadAllButMain() {
  UnloadViewers();
  Unload(editor_);
  Unload(eds_);
}

void WindowManager::SetMainStatus(const std::string& text) {
  if (!main_) return;
  if (auto* state = main_->findChild<QLineEdit*>("CommunicationState")) {
    state->setText(QString::fromStdString(text));
    state->setCursorPosition(0);  // a long text shows its beginning
  }
}

std::string WindowManager::SelectedPort() const {
  if (!main_) return {};
  auto* list = main_->findChild<QComboBox*>("ComPort");
  const int index = list ? list->currentIndex() : -1;
  const auto& ports = session_.link.ComPorts;
  return index >= 0 && index < static_cast<int>(ports.size()) ? ports[index] : std::string();
}

std::string WindowManager::ConnectedPort() const {
  return main_ ? main_->ConnectedPort() : std::string();
}

}  // namespace q4410::ui
