// "EDS File Configuration & Information Viewer": the two EDS texts, then "Finish" writes the
// configuration into the module and the EDS file; "Back" returns to the object editor.
#pragma once

#include <QWidget>

#include "ui/common/session.h"

class QLineEdit;
class QPushButton;

namespace q4410::ui {

class COPEDS_F : public QWidget {
  Q_OBJECT
 public:
  explicit COPEDS_F(Session& session, QWidget* parent = nullptr);

  // The download (a mouse button released over "Finish" runs it).
  void Finish();
  // Recovery after a failed attempt: port closed, link free, both buttons enabled.
  void ProcessError();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Back();
  Session& session_;
  QLineEdit* description_;
  QLineEdit* createdBy_;
  QPushButton* finish_;
  QPushButton* back_;
};

}  // namespace q4410::ui
