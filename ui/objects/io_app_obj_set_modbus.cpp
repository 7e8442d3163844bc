#include "ui/objects/io_app_obj_set_modbus.h"

namespace q4410::ui {

IOAppObjSetModbus::IOAppObjSetModbus(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName("IOAppObjSetModbus");
  setWindowTitle("IOAppObjSetModbus");
}

}  // namespace q4410::ui
