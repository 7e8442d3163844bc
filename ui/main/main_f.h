// placeholder until the window is built
#pragma once

#include <QMainWindow>

#include "ui/common/session.h"

namespace q4410::ui {

class Main_F : public QMainWindow {
  Q_OBJECT
 public:
  explicit Main_F(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace q4410::ui
