#include "ui/canopen/copeds_f.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "canopen/download_procedure.h"
#include "canopen/eds_writer.h"
#include "config/eeprom_image.h"
#include "config/lists.h"
#include "ui/common/download_choices.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/keyboard.h"

namespace q4410::ui {

namespace {

// Message boxes, the main window's status line and this window's progress for the download.
class WindowDownloadObserver : public DialogueObserver {
 public:
  WindowDownloadObserver(Session& session, COPEDS_F* window) : session_(session), window_(window) {}
  void ShowMessage(const std::string& text, const std::string& title) override {
    session_.boxes.Show(window_, text, title);
  }
  void ShowFailure(const std::string& text, const std::string& title,
                   const std::string& detail) override {
    session_.boxes.ShowDetailed(window_, text, title, detail);
  }
  void SetStatus(const std::string& text) override {
    lastStatus = text;
    window_->SetStatus(text);
    if (session_.flow) session_.flow->SetMainStatus(text);
  }
  void SetFailureStatus(const std::string& text, const std::string& detail) override {
    SetStatus(detail.empty() ? text : text + ": " + detail);
  }
  void Progress(int value) override { window_->SetProgress(value); }
  std::string lastStatus;

 private:
  Session& session_;
  COPEDS_F* window_;
};

std::string PortChangedText(const std::string& readFrom, const std::string& selected) {
  const std::string now = selected.empty() ? "no port" : selected;
  return "The configuration was read from " + readFrom + ", but " + now +
         " is selected now. Select " + readFrom + " again to write it, or connect to the " +
         "module on the other port first.";
}

}  // namespace

COPEDS_F::COPEDS_F(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName("COPEDS_F");
  setWindowTitle("EDS File Configuration & Information Viewer");

  auto* region = new QGroupBox(" EDS File Information ", this);
  region->setObjectName("EDSRegion");
  auto* grid = new QGridLayout(region);
  auto* descriptionLabel = new QLabel("Description", region);
  descriptionLabel->setObjectName("Label6");
  description_ = new QLineEdit(region);
  description_->setObjectName("EDSInfo_0");
  auto* createdByLabel = new QLabel("Created by", region);
  createdByLabel->setObjectName("Label5");
  createdBy_ = new QLineEdit(region);
  createdBy_->setObjectName("EDSInfo_1");
  // Where the file goes: shown whole (it can be selected and copied), changed with "Browse…".
  auto* folderLabel = new QLabel("Folder", region);
  folderLabel->setObjectName("EdsFolderLabel");
  edsFolder_ = new QLineEdit(region);
  edsFolder_->setObjectName("EdsFolder");
  edsFolder_->setReadOnly(true);
  browse_ = new QPushButton("&Browse…", region);
  browse_->setObjectName("BrowseEdsFolder");
  connect(browse_, &QPushButton::clicked, this, &COPEDS_F::BrowseEdsFolder);
  grid->addWidget(descriptionLabel, 0, 0);
  grid->addWidget(description_, 0, 1, 1, 2);
  grid->addWidget(createdByLabel, 1, 0);
  grid->addWidget(createdBy_, 1, 1, 1, 2);
  grid->addWidget(folderLabel, 2, 0);
  grid->addWidget(edsFolder_, 2, 1);
  grid->addWidget(browse_, 2, 2);
  description_->setMinimumWidth(360);

  verify_ = new QCheckBox("&Verify after download", this);
  verify_->setObjectName("VerifyAfterDownload");
  verify_->setToolTip("Read every word written back from the module and compare");

  // What the download is doing; empty and without a bar while nothing runs.
  state_ = new QLabel(this);
  state_->setObjectName("DownloadState");
  state_->setTextFormat(Qt::PlainText);
  state_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // long port names
  progress_ = new QProgressBar(this);
  progress_->setObjectName("DownloadProgress");
  progress_->setRange(0, 10);
  progress_->setTextVisible(false);
  progress_->setMaximumHeight(14);
  QSizePolicy keepPlace = progress_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  progress_->setSizePolicy(keepPlace);
  progress_->hide();

  finish_ = new QPushButton("Finish", this);
  finish_->setObjectName("FinishButton");
  finish_->installEventFilter(this);
  connect(finish_, &QPushButton::clicked, this, &COPEDS_F::Finish);  // Space or Enter
  back_ = new QPushButton("Back", this);
  back_->setObjectName("BackButton");
  connect(back_, &QPushButton::clicked, this, &COPEDS_F::Back);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(state_, 1);
  buttons->addWidget(back_);
  buttons->addWidget(finish_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(region);
  layout->addWidget(verify_);
  layout->addWidget(progress_);
  layout->addLayout(buttons);
  EnterPressesFocusedButtons(this);
  PressOnEnter(description_, finish_);
  PressOnEnter(createdBy_, finish_);
  adjustSize();
  CentreOnScreen(this);

  // Window load: the texts start empty (or as the configuration file opened last gives them);
  // after a download in this run, the error-control fields come back from the block 2 image
  // that download built.
  ParaDef& rec = session_.rec;
  rec.EdsInfoText = {"", ""};
  description_->setText(QString::fromStdString(session_.fileEdsTexts[0]));
  createdBy_->setText(QString::fromStdString(session_.fileEdsTexts[1]));
  if (rec.EdsFlag == 1 && !rec.Block2Image.empty()) DecodeErrorControl(rec, rec.Block2Image[0]);

  edsFolder_->setText(QString::fromStdString(EdsFolder(session_)));
  verify_->setChecked(VerifyAfterDownload(session_));
  connect(verify_, &QCheckBox::toggled, this,
          [this](bool on) { RememberVerifyAfterDownload(session_, on); });
}

// A mouse button (any one) released over "Finish" runs the download; the keyboard goes
// through the button's click.
bool COPEDS_F::eventFilter(QObject* watched, QEvent* event) {
  if (watched == finish_ && event->type() == QEvent::MouseButtonRelease && finish_->isEnabled()) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (finish_->rect().contains(mouse->position().toPoint())) {
      finish_->setDown(false);
      Finish();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void COPEDS_F::Finish() {
  ParaDef& rec = session_.rec;
  rec.EdsInfoText = {description_->text().toStdString(), createdBy_->text().toStdString()};
  if (session_.link.LinkBusy) return;

  DownloadRequest request;
  if (!PortStillSelected(request.port)) return;
  request.edsDirectory = edsFolder_->text().toStdString();
  request.clock = NowLocal();
  request.verify = verify_->isChecked();

  SetControlsEnabled(false);
  SetStatus("Downloading to " + request.port);
  SetProgress(0);
  WindowDownloadObserver observer(session_, this);
  DownloadResult result;
  {
    BusyCursor busy(this);
    result = runDownload(rec, session_.link, request, observer).result;
  }
  switch (result) {
    case DownloadResult::Busy:
      return;
    case DownloadResult::Done:
      SayEdsFileWritten(observer.lastStatus);
      if (session_.flow) {
        session_.flow->UnloadViewers();
        session_.flow->ShowMain();
        session_.flow->UnloadEdsWindow();
      }
      return;
    case DownloadResult::Failed:
    case DownloadResult::VerifyFailed:
    case DownloadResult::EdsFailed:
      ProcessError();
      return;
  }
}

bool COPEDS_F::PortStillSelected(std::string& port) {
  if (!session_.flow) return true;
  port = session_.flow->ConnectedPort();
  const std::string selected = session_.flow->SelectedPort();
  if (selected == port) return true;
  ShowMessage(session_, this, PortChangedText(port, selected), "Warning");
  return false;
}

void COPEDS_F::SetControlsEnabled(bool enabled) {
  for (QWidget* control : std::initializer_list<QWidget*>{finish_, back_, browse_, verify_})
    control->setEnabled(enabled);
}

void COPEDS_F::BrowseEdsFolder() {
  if (session_.link.LinkBusy || !session_.files) return;
  const std::string folder = session_.files->ExistingFolder(this, "Folder for the EDS file",
                                                            edsFolder_->text().toStdString());
  if (folder.empty()) return;
  ChooseEdsFolder(session_, folder);
  edsFolder_->setText(QString::fromStdString(session_.edsDirectory));
}

void COPEDS_F::SayEdsFileWritten(const std::string& status) {
  const std::string path = QDir(edsFolder_->text())
                               .absoluteFilePath(QString::fromStdString(EdsFileName(session_.rec)))
                               .toStdString();
  const std::string text = status + ": " + path;
  SetStatus(text);
  if (session_.flow) session_.flow->SetMainStatus(text);
  ShowMessage(session_, this, "The module is configured and its EDS file is written:\n" + path,
              "Information");
}

void COPEDS_F::ProcessError() {
  if (session_.link.port.IsOpen()) session_.link.port.Close();
  session_.link.LinkBusy = false;
  progress_->hide();
  SetControlsEnabled(true);
}

void COPEDS_F::SetStatus(const std::string& text) {
  state_->setText(QString::fromStdString(text));
  state_->setToolTip(state_->text());
}

void COPEDS_F::SetProgress(int value) {
  progress_->setValue(value);
  progress_->show();
}

// Back to the editor with the table as edited; the main window stays hidden, as after the
// editor's "Next".
void COPEDS_F::Back() {
  if (session_.link.LinkBusy || !session_.flow) return;
  session_.flow->UnloadViewers();
  session_.flow->ShowEditor();
  session_.flow->UnloadEdsWindow();
}

void COPEDS_F::closeEvent(QCloseEvent* event) {
  if (session_.link.LinkBusy) {
    // Said without waiting: the download goes on meanwhile.
    ShowMessage(session_, this, "Module is not be save finish !",
                std::string(kDefaultMessageTitle));
    event->ignore();
    return;
  }
  if (session_.flow) {
    session_.flow->UnloadViewers();
    session_.flow->ShowMain();
  }
  event->accept();
}

}  // namespace q4410::ui
