#include "ui/main/main_f.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "config/numbers.h"
#include "config/settings_rules.h"
#include "link/connect_procedure.h"
#include "link/qt_port_scan.h"
#include "ui/common/keyboard.h"
#include "ui/main/about_box.h"
#include "ui/main/config_file_menu.h"
#include "ui/main/main_connect_observer.h"
#include "ui/main/module_pictures.h"
#include "ui/main/port_finder.h"
#include "ui/main/remembered_settings.h"
#include "ui/main/widget_helpers.h"

namespace q4410::ui {

Main_F::Main_F(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
  setObjectName("Main_F");
  setWindowTitle("General Setting");
  BuildWindow();
  BuildMenus();
  EnterPressesFocusedButtons(this);
  Load();
}

void Main_F::BuildWindow() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* column = new QVBoxLayout(central);
  link_ = BuildLinkArea(central);
  module_ = BuildModuleArea(central);
  column->addWidget(link_.CommunicationRegion);
  column->addWidget(module_.Frame2);

  // The CAN or the COM frames with the bottom buttons directly below them. The area is as
  // tall as the taller COM view in both views, so the window keeps its height.
  auto* views = new QWidget(central);
  auto* viewColumn = new QVBoxLayout(views);
  viewColumn->setContentsMargins(0, 0, 0, 0);
  can_ = BuildCanView(views);
  com_ = BuildComView(views);
  auto* canRow = new QHBoxLayout;
  canRow->addWidget(can_.ParaSetting, 1);
  canRow->addWidget(can_.ParaView, 1);
  viewColumn->addLayout(canRow);
  auto* comRow = new QHBoxLayout;
  comRow->addWidget(com_.COMParaSeteing, 1);
  comRow->addWidget(com_.COMParaView, 1);
  viewColumn->addLayout(comRow);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  CreateMBDevice_ = Button(views, "CreateMBDevice", "Next");
  EixtProgram_ = Button(views, "EixtProgram", "Exit Program");
  for (QPushButton* b : {CreateMBDevice_, EixtProgram_}) {
    b->setMinimumWidth(110);
    bottom->addWidget(b);
  }
  viewColumn->addLayout(bottom);
  viewColumn->addStretch(1);
  column->addWidget(views);
  views->setMinimumHeight(TallerViewHeight(views));
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  connect(link_.Connect, &QPushButton::clicked, this, [this] { Connect_Click(); });
  for (int i = 0; i < 2; ++i) {
    connect(can_.ApplicationSelect[i], &QRadioButton::clicked, this,
            [this, i] { ApplicationSelect_Click(i); });
    connect(module_.ComButton[i], &QAbstractButton::pressed, this,
            [this, i] { ComButton_MouseDown(i); });
  }
  connect(can_.SettingCANParameter, &QPushButton::clicked, this,
          [this] { SettingCANParameter_Click(); });
  connect(com_.SettingCOMParameter, &QPushButton::clicked, this,
          [this] { SettingCOMParameter_Click(); });
  // Enter in an entry field presses its frame's button.
  PressOnEnter(can_.CANNodeId, can_.SettingCANParameter);
  PressOnEnter(com_.ComTimeout, com_.SettingCOMParameter);
  connect(CreateMBDevice_, &QPushButton::clicked, this, [this] { CreateMBDevice_Click(); });
  connect(EixtProgram_, &QPushButton::clicked, this, &QWidget::close);
  new PortFinder(this, session_, link_, [this](bool enabled) { SetLinkControlsEnabled(enabled); });
}

// The height of the view area with the COM frames shown and with the CAN frames shown,
// whichever is taller.
int Main_F::TallerViewHeight(QWidget* views) {
  int height = 0;
  for (bool comShown : {true, false}) {
    com_.COMParaSeteing->setHidden(!comShown);
    com_.COMParaView->setHidden(!comShown);
    can_.ParaSetting->setHidden(comShown);
    can_.ParaView->setHidden(comShown);
    views->layout()->invalidate();
    height = std::max(height, views->layout()->sizeHint().height());
  }
  return height;
}

void Main_F::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("File");
  ExitProgram_ = file->addAction("E&xit");
  ExitProgram_->setObjectName("ExitProgram");
  connect(ExitProgram_, &QAction::triggered, this, &QWidget::close);
  new ConfigFileMenu(this, session_, file, ExitProgram_,
                     {[this] { return moduleConnected_; }, [this] { ShowConfiguration(); },
                      [this](const std::string& text) { SetStatus(QtText(text)); }});
  if (session_.consoleLog) {
    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("View");
    QAction* log = view->addAction("&Console log");
    log->setObjectName("ShowConsoleLog");
    connect(log, &QAction::triggered, this, [this] { ShowConsoleLog(); });
  }
  About_ = menuBar()->addAction("&About");
  About_->setObjectName("About_");
  connect(About_, &QAction::triggered, this, [this] { About_Click(); });
}

void Main_F::Load() {
  ParaDef& rec = session_.rec;
  selectedPortButton_ = 3;
  ApplicationSelect_Click(0);
  ApplyStartUpState(rec);
  moduleConnected_ = false;
  ResetWindowLayout();
  module_.FirmwareVer->clear();
  link_.CommunicationState->clear();
  session_.link.ComPorts = ScanPorts(session_.extraPorts);
  FillPortList(link_, session_.link.ComPorts);
  adjustSize();
  CentreOnScreen(this);
  RestoreAndRemember(*this, session_, link_, can_);
}

void Main_F::ResetWindowLayout() {
  for (QLabel* label : can_.ParaSettingC0) label->hide();
  HideModulePicture(module_);
  for (int i = 0; i < 3; ++i) {
    can_.ViewerC0[i]->hide();
    can_.ViewerText[i]->hide();
  }
  can_.SettingCANParameter->hide();
  com_.SettingCOMParameter->hide();
  link_.ConnectProgress->hide();
  can_.ParaSetting->show();
  can_.ParaView->show();
  can_.CANBaudrate->hide();
  can_.CANNodeId->hide();
  com_.COMParaSeteing->hide();
  com_.COMParaView->hide();
}

void Main_F::ReleaseSerialLink() {
  if (session_.link.port.IsOpen()) session_.link.port.Close();
  SetLinkControlsEnabled(true);
  session_.link.LinkBusy = false;
  connecting_ = false;
  link_.ConnectProgress->hide();
}

void Main_F::ApplicationSelect_Click(int index) {
  SelectApplication(can_, index == 1 ? AppSelection::DeviceNet : AppSelection::CANopen);
}

void Main_F::ComButton_MouseDown(int index) {
  if (index != 0 && index != 1) return;
  if (index == selectedPortButton_) {
    // Pressed again: the frame comes back as it is, the lists are not refilled.
    (index == 0 ? can_.ParaSetting : com_.COMParaSeteing)->show();
    module_.ComButton[index]->SetPressedLook(true);
    return;
  }
  module_.ComButton[index]->SetPressedLook(true);
  module_.ComButton[1 - index]->SetPressedLook(false);
  if (index == 1) {
    can_.ParaSetting->hide();
    can_.ParaView->hide();
    FillComView(com_, session_.rec);
  } else {
    com_.COMParaSeteing->hide();
    com_.COMParaView->hide();
    FillCanView(can_, session_.rec);
  }
  selectedPortButton_ = index;
}

void Main_F::CreateMBDevice_Click() {
  if (SelectedApp(can_) != AppSelection::CANopen) return;
  if (moduleConnected_) {
    if (session_.flow) {
      // An editor still loaded (its EDS window was closed) comes back with its edits.
      session_.flow->HideMain();
      session_.flow->ShowEditor();
    } else {
      hide();
    }
    return;
  }
  SetStatus("Connect Q-4410C First");
  SetStatusBold(!link_.CommunicationState->font().bold());
}

void Main_F::SettingCANParameter_Click() {
  const AppSelection app = SelectedApp(can_);
  const SettingOutcome outcome = ApplyCanSetting(
      session_.rec, app, can_.CANNodeId->text().toStdString(), can_.CANBaudrate->currentIndex());
  if (!outcome.ok) {
    ShowMessage(session_, this, outcome.message, outcome.title);
    return;
  }
  can_.ViewerText[0]->setText(QtText(AppName(app)));
  can_.ViewerText[1]->setText(can_.CANBaudrate->currentText());
  can_.ViewerText[2]->setText(QtText(Decimal(session_.rec.NodeId)));
  SetStatus(QtText(kCanSettingOkStatus));
}

void Main_F::SettingCOMParameter_Click() {
  const SettingOutcome outcome = ApplyComSetting(
      session_.rec, com_.ComTimeout->text().toStdString(), com_.ComBr->currentIndex(),
      com_.ComDb->currentIndex(), com_.ComPb->currentIndex(), com_.ComSb->currentIndex());
  if (!outcome.ok) {
    ShowMessage(session_, this, outcome.message, outcome.title);
    return;
  }
  ShowComSetting(com_, session_.rec);
  SetStatus(QtText(kComSettingOkStatus));
}

// Shown where it was last, centred the first time; raised when it is open already.
void Main_F::ShowConsoleLog() {
  QWidget* log = session_.consoleLog;
  if (!log->isVisible()) {
    if (!consoleLogPlaced_) CentreOnScreen(log);
    consoleLogPlaced_ = true;
    log->show();
  }
  log->raise();
  log->activateWindow();
}

void Main_F::About_Click() {
  if (!about_) {
    about_ = new AboutBox(this);
    about_->setAttribute(Qt::WA_DeleteOnClose);
    about_->adjustSize();
    CentreOnScreen(about_);
  }
  about_->show();
  about_->raise();
}

void Main_F::ShowConfiguration() {
  const ParaDef& rec = session_.rec;
  if (!moduleConnected_) {
    ShowModulePicture(module_, rec.ModulePrompt == "5160r>" ? 0 : 1);
    module_.FirmwareVer->setText(QtText(FirmwareText(rec)));
  }
  ApplicationSelect_Click(rec.AppKind == 0 ? 0 : 1);
  selectedPortButton_ = 3;  // the CAN view is filled afresh
  ComButton_MouseDown(0);
}

void Main_F::Connect_Click() {
  SetStatusBold(false);
  Link& link = session_.link;
  if (link.LinkBusy) return;
  const int index = link_.ComPort->currentIndex();
  if (index < 0 || index >= static_cast<int>(link.ComPorts.size())) {
    ShowMessage(session_, this, "No serial port found!", "Error");
    return;
  }
  // Whatever was read before belongs to the module it came from: a connect that fails here
  // leaves nothing behind that could be edited or written into another module.
  EndConnection();
  const ConnectRequest request{link.ComPorts[index], SelectedApp(can_)};
  MainConnectObserver observer(*this);
  ConnectResult result;
  {
    BusyCursor busy(this);
    result = RunConnect(session_.rec, link, request, observer);
  }
  if (connecting_) ReleaseSerialLink();  // a dialogue that ended without saying how
  CreateMBDevice_->setEnabled(true);     // after a failure it says to connect first
  if (result != ConnectResult::Connected) return;
  connectedPort_ = request.port;
  ComButton_MouseDown(0);
}

void Main_F::EndConnection() {
  moduleConnected_ = false;
  connectedPort_.clear();
  ResetWindowLayout();
  module_.FirmwareVer->clear();
  for (PortButton* button : module_.ComButton) button->SetPressedLook(false);
  selectedPortButton_ = 3;
  if (session_.flow) session_.flow->UnloadAllButMain();
}

void Main_F::ConnectStarted() {
  connecting_ = true;
  ResetWindowLayout();
  SetStatus("Connecting");
  SetLinkControlsEnabled(false);
  CreateMBDevice_->setEnabled(false);
  link_.ConnectProgress->setRange(0, 10);
  ConnectProgress(0);
}

void Main_F::ConnectProgress(int value) {
  if (!connecting_) return;
  link_.ConnectProgress->setValue(value);
  link_.ConnectProgress->show();
}

void Main_F::ModuleShown(int controllerKind) {
  const ParaDef& rec = session_.rec;
  ShowModulePicture(module_, controllerKind);
  module_.FirmwareVer->setText(QtText(FirmwareText(rec)));
  can_.CANNodeId->setText(QtText(Decimal(rec.NodeId)));
  SetStatus("Waiting for configuration");
  ApplicationSelect_Click(rec.AppKind == 0 ? 0 : 1);
  // A code the list does not have is put right when the CAN view is filled.
  if (rec.CanBaudCode >= 0 && rec.CanBaudCode < can_.CANBaudrate->count())
    can_.CANBaudrate->setCurrentIndex(rec.CanBaudCode);
  SetLinkControlsEnabled(true);
  CreateMBDevice_->setEnabled(true);
  moduleConnected_ = true;
  session_.link.LinkBusy = false;
  link_.ConnectProgress->setValue(link_.ConnectProgress->maximum());
  link_.ConnectProgress->hide();
  connecting_ = false;
}

// A text longer than the box shows its beginning (the whole of it is in the tool tip).
void Main_F::SetStatus(const QString& text) {
  link_.CommunicationState->setText(text);
  link_.CommunicationState->setCursorPosition(0);
}

void Main_F::SetStatusBold(bool bold) {
  QFont font = link_.CommunicationState->font();
  font.setBold(bold);
  link_.CommunicationState->setFont(font);
}

void Main_F::SetLinkControlsEnabled(bool enabled) {
  link_.ComPort->setEnabled(enabled);
  link_.Connect->setEnabled(enabled);
  EixtProgram_->setEnabled(enabled);
}

void Main_F::closeEvent(QCloseEvent* event) {
  ParaDef& rec = session_.rec;
  if (session_.link.LinkBusy) {
    // Said without waiting: the dialogue with the module goes on meanwhile.
    ShowMessage(session_, this, "Module is connecting now!", "Error");
    event->ignore();
    return;
  }
  if (!session_.boxes.AskYesNo(this, "Are you sure to exit this program?", "Exit Query")) {
    event->ignore();
    return;
  }
  rec.Block0Image.clear();
  rec.Block1Image.clear();
  rec.Block2Image.clear();
  rec.ModuleAppObjects.clear();
  rec.ModuleAppObjectCount = 0;
  rec.AppObjects.clear();
  rec.AppObjectCount = 0;
  if (session_.flow) session_.flow->UnloadAllButMain();
  if (about_) about_->close();
  if (session_.consoleLog) session_.consoleLog->close();
  event->accept();
}

}  // namespace q4410::ui
