// ShowAppObj: the application objects as attributes 1 to 4 of each instance, read only.
#pragma once

#include <QWidget>

#include "ui/common/session.h"

namespace q4410::ui {

class ShowAppObj : public QWidget {
  Q_OBJECT
 public:
  // The grid is built from the table as it stands now; it is not refreshed while open.
  explicit ShowAppObj(Session& session, QWidget* parent = nullptr);
};

}  // namespace q4410::ui
