// ShowModule: the Modbus devices of the application object table, read only.
#pragma once

#include <QWidget>

#include "ui/common/session.h"

namespace q4410::ui {

class ShowModule : public QWidget {
  Q_OBJECT
 public:
  // The grid is built from the table as it stands now; it is not refreshed while open.
  explicit ShowModule(Session& session, QWidget* parent = nullptr);
};

}  // namespace q4410::ui
