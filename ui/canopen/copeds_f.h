// "EDS File Configuration & Information Viewer": the two EDS texts, then "Finish" writes the
// configuration into the module it was read from and the EDS file; "Back" returns to the
// object editor. While the download runs, the window shows its progress.
#pragma once

#include <QWidget>
#include <string>

#include "ui/common/session.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace q4410::ui {

class COPEDS_F : public QWidget {
  Q_OBJECT
 public:
  explicit COPEDS_F(Session& session, QWidget* parent = nullptr);

  // The download (a mouse button released over "Finish", Space or Enter runs it).
  void Finish();
  // Recovery after a failed attempt: port closed, link free, both buttons enabled.
  void ProcessError();

  // The window's own status line and progress, for the download's observer.
  void SetStatus(const std::string& text);
  void SetProgress(int value);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Back();
  // The port to write: the one the configuration was read from, provided it is still the
  // one selected in the main window; otherwise says so and returns false.
  bool PortStillSelected(std::string& port);

  Session& session_;
  QLineEdit* description_;
  QLineEdit* createdBy_;
  QLabel* state_;
  QProgressBar* progress_;
  QPushButton* finish_;
  QPushButton* back_;
};

}  // namespace q4410::ui
