#include "ui/main/main_f.h"

namespace q4410::ui {

Main_F::Main_F(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
  setObjectName("Main_F");
  setWindowTitle("General Setting");
}

}  // namespace q4410::ui
