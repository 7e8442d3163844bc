#include "ui/canopen/copeds_f.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "canopen/download_procedure.h"
#include "config/eeprom_image.h"
#include "config/lists.h"

namespace q4410::ui {

namespace {

// Message boxes and the main window's status line for the download.
class WindowDownloadObserver : public DialogueObserver {
 public:
  WindowDownloadObserver(Session& session, QWidget* window) : session_(session), window_(window) {}
  void ShowMessage(const std::string& text, const std::string& title) override {
    session_.boxes.Show(window_, text, title);
  }
  void SetStatus(const std::string& text) override {
    if (session_.flow) session_.flow->SetMainStatus(text);
  }

 private:
  Session& session_;
  QWidget* window_;
};

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
  grid->addWidget(descriptionLabel, 0, 0);
  grid->addWidget(description_, 0, 1);
  grid->addWidget(createdByLabel, 1, 0);
  grid->addWidget(createdBy_, 1, 1);
  description_->setMinimumWidth(360);

  finish_ = new QPushButton("Finish", this);
  finish_->setObjectName("FinishButton");
  finish_->installEventFilter(this);
  back_ = new QPushButton("Back", this);
  back_->setObjectName("BackButton");
  connect(back_, &QPushButton::clicked, this, &COPEDS_F::Back);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(back_);
  buttons->addWidget(finish_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(region);
  layout->addLayout(buttons);
  adjustSize();
  CentreOnScreen(this);

  // Window load: the texts start empty; after a download in this run, the error-control
  // fields come back from the block 2 image that download built.
  ParaDef& rec = session_.rec;
  rec.EdsInfoText = {"", ""};
  if (rec.EdsFlag == 1 && !rec.Block2Image.empty()) DecodeErrorControl(rec, rec.Block2Image[0]);
}

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
  request.port = session_.flow ? session_.flow->SelectedPort() : std::string();
  request.edsDirectory = session_.edsDirectory;
  request.clock = NowLocal();

  finish_->setEnabled(false);
  back_->setEnabled(false);
  WindowDownloadObserver observer(session_, this);
  const DownloadResult result = RunDownload(rec, session_.link, request, observer);
  switch (result) {
    case DownloadResult::Busy:
      return;
    case DownloadResult::Done:
      if (session_.flow) {
        session_.flow->UnloadViewers();
        session_.flow->ShowMain();
        session_.flow->UnloadEdsWindow();
      }
      return;
    case DownloadResult::Failed:
    case DownloadResult::EdsFailed:
      ProcessError();
      return;
  }
}

void COPEDS_F::ProcessError() {
  if (session_.link.port.IsOpen()) session_.link.port.Close();
  session_.link.LinkBusy = false;
  back_->setEnabled(true);
  finish_->setEnabled(true);
}

void COPEDS_F::Back() {
  if (!close()) return;
  if (session_.flow) session_.flow->ShowEditor();
}

void COPEDS_F::closeEvent(QCloseEvent* event) {
  if (session_.link.LinkBusy) {
    session_.boxes.Show(this, "Module is not be save finish !", std::string(kDefaultMessageTitle));
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
