#include "ui/objects/show_app_obj.h"

namespace q4410::ui {

ShowAppObj::ShowAppObj(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName("ShowAppObj");
  setWindowTitle("Application Object Information");
}

}  // namespace q4410::ui
