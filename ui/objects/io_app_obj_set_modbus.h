// placeholder until the window is built
#pragma once

#include <QWidget>

#include "ui/common/session.h"

namespace q4410::ui {

class IOAppObjSetModbus : public QWidget {
  Q_OBJECT
 public:
  explicit IOAppObjSetModbus(Session& session, QWidget* parent = nullptr);

 private:
  Session& session_;
};

}  // namespace q4410::ui
