// "EDS File Configuration & Information Viewer": the two EDS texts, the folder the EDS file
// goes to and whether the download is verified, then "Finish" writes the configuration into
// the module it was read from and the EDS file; "Back" returns to the object editor. While the
// download runs, the window shows its progress.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "canopen/download_procedure.h"
#include "ui/common/session.h"

class QCheckBox;
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

  // The download Finish runs: the real one unless replaced.
  std::function<decltype(RunDownload)> runDownload = RunDownload;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Back();
  // The port to write: the one the configuration was read from, provided it is still the
  // one selected in the main window; otherwise says so and returns false.
  bool PortStillSelected(std::string& port);
  // Finish, Back, Browse… and the check box, all alike.
  void SetControlsEnabled(bool enabled);
  // "Browse…": another folder for the EDS file, taken for this run and remembered.
  void BrowseEdsFolder();
  // After a download that wrote the EDS file: its full path in the status lines and a message.
  void SayEdsFileWritten(const std::string& status);

  Session& session_;
  QLineEdit* description_;
  QLineEdit* createdBy_;
  QLineEdit* edsFolder_;
  QPushButton* browse_;
  QCheckBox* verify_;
  QLabel* state_;
  QProgressBar* progress_;
  QPushButton* finish_;
  QPushButton* back_;
};

}  // namespace q4410::ui
