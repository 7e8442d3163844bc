#include "ui/canopen/show_pdo.h"

namespace q4410::ui {

ShowPDO::ShowPDO(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName("ShowPDO");
  setWindowTitle("Rx/TxPDO Parameters");
}

}  // namespace q4410::ui
