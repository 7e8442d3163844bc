#include "ui/canopen/copeds_f.h"

namespace q4410::ui {

COPEDS_F::COPEDS_F(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName("COPEDS_F");
  setWindowTitle("EDS File Configuration & Information Viewer");
}

}  // namespace q4410::ui
