#include "ui/objects/show_module.h"

namespace q4410::ui {

ShowModule::ShowModule(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName("ShowModule");
  setWindowTitle("Device Information");
}

}  // namespace q4410::ui
