#include "ui/objects/io_app_obj_set_modbus.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "canopen/pdo_builder.h"
#include "config/numbers.h"
#include "config/object_kinds.h"
#include "ui/common/keyboard.h"
#include "ui/objects/digit_key_filter.h"

namespace q4410::ui {

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QPushButton* Button(const char* name, const char* caption) {
  return Named(new QPushButton(QString::fromLatin1(caption)), name);
}

QString InstanceEntry(int instance) {
  return QStringLiteral("         Instance ") + QString::fromStdString(DefaultRendering(instance));
}

}  // namespace

IOAppObjSetModbus::IOAppObjSetModbus(Session& session, QWidget* parent)
    : QWidget(parent), session_(session) {
  setObjectName("IOAppObjSetModbus");
  setWindowTitle("IOAppObjSetModbus");
  BuildControls();
  Load();
}

void IOAppObjSetModbus::BuildControls() {
  // Application object: the instance list and the buttons that act on the table.
  instance_ = Named(new QComboBox, "Instance");
  addApp_ = Button("AddApp", "ADD");
  eraseMB_ = Button("EraseMB", "Erase");
  deleteApp_ = Button("DeleteApp", "Delete");
  updateApp_ = Button("UpdateApp", "UPDATA");
  auto* frame3 = Named(new QGroupBox(" Application Object "), "Frame3");
  auto* objectGrid = new QGridLayout(frame3);
  objectGrid->addWidget(instance_, 0, 0, 1, 2);
  objectGrid->addWidget(addApp_, 1, 0);
  objectGrid->addWidget(eraseMB_, 1, 0);  // same place as "ADD"
  objectGrid->addWidget(updateApp_, 1, 1);
  objectGrid->addWidget(deleteApp_, 2, 0, 1, 2);

  // Parameter set: the four entry fields.
  mbId_ = Named(new QLineEdit, "MB_ID");
  mbIoType_ = Named(new QComboBox, "MB_IO_type");
  for (const KindTraits& kind : kKinds)
    mbIoType_->addItem(QString::fromUtf8(kind.entry.data(), static_cast<int>(kind.entry.size())));
  mbStartAddr_ = Named(new QLineEdit, "MB_Start_addr");
  mbCommLen_ = Named(new QLineEdit, "MB_Comm_len");
  label3_ = Named(new QLabel("Register/Relay Address"), "Label3");
  label4_ = Named(new QLabel("Data Length (Bits)"), "Label4");
  auto* frame2 = Named(new QGroupBox(" Parameter Set "), "Frame2");
  auto* fieldGrid = new QGridLayout(frame2);
  fieldGrid->addWidget(Named(new QLabel("ModBus Device NodeID"), "Label1"), 0, 0);
  fieldGrid->addWidget(mbId_, 0, 1);
  fieldGrid->addWidget(Named(new QLabel("Device I/O TYPE"), "Label2"), 1, 0);
  fieldGrid->addWidget(mbIoType_, 1, 1);
  fieldGrid->addWidget(label3_, 2, 0);
  fieldGrid->addWidget(mbStartAddr_, 2, 1);
  fieldGrid->addWidget(label4_, 3, 0);
  fieldGrid->addWidget(mbCommLen_, 3, 1);
  fieldGrid->setColumnMinimumWidth(0, 170);
  fieldGrid->setColumnStretch(1, 1);

  auto* filter =
      new DigitKeyFilter([this] { session_.boxes.Beep(); }, [this] { SetEraseShown(true); }, this);
  for (QLineEdit* field : {mbId_, mbStartAddr_, mbCommLen_}) filter->Attach(field);

  auto* frame1 = Named(new QGroupBox("Application Object Setting for Modbus"), "Frame1");
  auto* settingRow = new QHBoxLayout(frame1);
  settingRow->addWidget(frame3);
  settingRow->addWidget(frame2, 1);

  // PDO options.
  checkRx_ = Named(new QCheckBox("RxPDO Mapping Closed"), "Check_RxPDOClosed");
  checkTx_ = Named(new QCheckBox("TxPDO Mapping Closed"), "Check_TxPDOClosed");
  auto* frame4 = Named(new QGroupBox("CANopen PDO Mapping "), "Frame4");
  auto* pdoRow = new QHBoxLayout(frame4);
  pdoRow->addWidget(checkRx_);
  pdoRow->addWidget(checkTx_);

  auto* showMBInf = Button("ShowMBInf", "ModBus Information");
  auto* showAssInf = Button("ShowAssInf", "Device Information");
  auto* showAppInf = Button("ShowAppInf", "PDO Infromation");
  auto* back = Button("Command2", "Back");
  auto* next = Button("NextButton", "Next");
  auto* buttonRow = new QHBoxLayout;
  for (QPushButton* button : {showMBInf, showAssInf, showAppInf}) buttonRow->addWidget(button);
  buttonRow->addStretch(1);
  buttonRow->addWidget(back);
  buttonRow->addWidget(next);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame1);
  layout->addWidget(frame4);
  layout->addLayout(buttonRow);

  connect(addApp_, &QPushButton::clicked, this, &IOAppObjSetModbus::AddApp_Click);
  connect(deleteApp_, &QPushButton::clicked, this, &IOAppObjSetModbus::DeleteApp_Click);
  connect(updateApp_, &QPushButton::clicked, this, &IOAppObjSetModbus::UpdateApp_Click);
  connect(eraseMB_, &QPushButton::clicked, this, &IOAppObjSetModbus::EraseMB_Click);
  connect(instance_, &QComboBox::activated, this, &IOAppObjSetModbus::Instance_Click);
  connect(mbIoType_, &QComboBox::activated, this, &IOAppObjSetModbus::MB_IO_type_Click);
  connect(checkRx_, &QCheckBox::toggled, this,
          [this](bool on) { session_.rec.RxPdoClosed = on ? 1 : 0; });
  connect(checkTx_, &QCheckBox::toggled, this,
          [this](bool on) { session_.rec.TxPdoClosed = on ? 1 : 0; });
  connect(showMBInf, &QPushButton::clicked, this, [this] {
    if (session_.flow) session_.flow->OpenShowModule();
  });
  connect(showAssInf, &QPushButton::clicked, this, [this] {
    if (session_.flow) session_.flow->OpenShowAppObj();
  });
  connect(showAppInf, &QPushButton::clicked, this, &IOAppObjSetModbus::ShowAppInf_Click);
  connect(back, &QPushButton::clicked, this, &IOAppObjSetModbus::Command2_Click);
  connect(next, &QPushButton::clicked, this, &IOAppObjSetModbus::NextButton_Click);

  // Enter in a field stores it: "ADD" while it is shown, "UPDATA" otherwise.
  EnterPressesFocusedButtons(this);
  for (QLineEdit* field : {mbId_, mbStartAddr_, mbCommLen_}) {
    connect(field, &QLineEdit::returnPressed, this, [this] {
      if (addShown_)
        AddApp_Click();
      else if (updateApp_->isEnabled())
        UpdateApp_Click();
    });
  }
}

void IOAppObjSetModbus::Load() {
  ParaDef& rec = session_.rec;
  LoadAppObjectTable(rec);
  instance_->clear();
  if (rec.AppObjectCount == 0) {
    SetUpdateDeleteEnabled(false);
    mbId_->clear();
    SelectKind(0);
    mbStartAddr_->clear();
    mbCommLen_->clear();
    SetAddShown(true);
    SetEraseShown(false);
  } else {
    SetUpdateDeleteEnabled(true);
    for (int i = 0; i < rec.AppObjectCount; ++i) AddInstanceEntry(i + 1);
    SelectInstance(0);
    SetAddShown(false);
    SetEraseShown(true);
  }
  checkTx_->setChecked(rec.TxPdoClosed == 1);
  checkRx_->setChecked(rec.RxPdoClosed == 1);
  adjustSize();
  CentreOnScreen(this);
}

bool IOAppObjSetModbus::ApplicationObj(int k) {
  TableResult result = q4410::ApplicationObj(session_.rec, k, Fields());
  ShowMessages(result);
  return result.ok;
}

void IOAppObjSetModbus::AddApp_Click() {
  TableResult result = AddAppObject(session_.rec, Fields());
  ShowMessages(result);
  if (!result.ok) return;
  AddInstanceEntry(session_.rec.AppObjectCount);
  SelectInstance(session_.rec.AppObjectCount - 1);
  SetUpdateDeleteEnabled(true);
  SetEraseShown(true);
  SetAddShown(false);
}

void IOAppObjSetModbus::DeleteApp_Click() {
  if (!DeleteAppObject(session_.rec, instance_->currentIndex()).ok) return;
  const int count = session_.rec.AppObjectCount;
  instance_->removeItem(instance_->count() - 1);
  if (count > 0) {
    SelectInstance(count - 1);
  } else {
    // Nothing left to show: the fields do not keep the deleted object's values.
    instance_->setCurrentIndex(-1);
    mbId_->clear();
    SelectKind(0);
    SetUpdateDeleteEnabled(false);
  }
  SetEraseShown(true);
  SetAddShown(false);
}

void IOAppObjSetModbus::UpdateApp_Click() {
  TableResult result = UpdateAppObject(session_.rec, instance_->currentIndex(), Fields());
  ShowMessages(result);
  if (!result.ok) return;
  SetEraseShown(true);
  SetAddShown(false);
}

void IOAppObjSetModbus::EraseMB_Click() {
  SelectKind(0);
  mbId_->clear();
  mbStartAddr_->clear();
  mbCommLen_->clear();
  SetAddShown(true);
  SetEraseShown(false);
}

void IOAppObjSetModbus::Instance_Click() {
  const int slot = instance_->currentIndex();
  if (slot < 0 || slot >= session_.rec.AppObjectCount) return;
  const AppObject& object = session_.rec.AppObjects[slot];
  mbId_->setText(QString::fromStdString(object.DevAddr));
  SelectKind(object.Kind);
  mbStartAddr_->setText(QString::fromStdString(Decimal(object.Start)));
  mbCommLen_->setText(QString::fromStdString(Decimal(object.Length)));
  SetAddShown(false);
  SetEraseShown(true);
}

void IOAppObjSetModbus::MB_IO_type_Click() {
  const KindTraits* kind = KindOf(mbIoType_->currentIndex());
  if (!kind) return;
  label3_->setText(
      QString::fromLatin1(kind->addressLabel.data(), static_cast<int>(kind->addressLabel.size())));
  label4_->setText(
      QString::fromLatin1(kind->lengthLabel.data(), static_cast<int>(kind->lengthLabel.size())));
  mbCommLen_->setMaxLength(kind->digital ? 4 : 3);
  mbStartAddr_->clear();
  mbCommLen_->clear();
  SetEraseShown(true);
}

void IOAppObjSetModbus::NextButton_Click() {
  MarkTableForDownload(session_.rec);
  BuildPdoMapping(session_.rec);
  if (!session_.flow) return;
  session_.flow->HideEditor();
  session_.flow->OpenEdsWindow();
}

void IOAppObjSetModbus::Command2_Click() {
  DiscardAppObjectTable(session_.rec);
  if (!session_.flow) return;
  session_.flow->UnloadEditor();
  session_.flow->ShowMain();
}

void IOAppObjSetModbus::ShowAppInf_Click() {
  const ParaDef& rec = session_.rec;
  if (rec.RxDigitalBytes + rec.RxAnalogBytes + rec.TxDigitalBytes + rec.TxAnalogBytes <= 0) return;
  if (session_.flow) session_.flow->OpenShowPdo();
}

// The close box leaves the editor the way "Back" does, so the main window comes back. (The
// window flow unloads the editor without closing it, so only the user closes it.)
void IOAppObjSetModbus::closeEvent(QCloseEvent* event) {
  event->ignore();
  Command2_Click();
}

AppObjectFields IOAppObjSetModbus::Fields() const {
  return {mbId_->text().toStdString(), mbIoType_->currentIndex(),
          mbStartAddr_->text().toStdString(), mbCommLen_->text().toStdString()};
}

void IOAppObjSetModbus::ShowMessages(const TableResult& result) {
  for (const TableMessage& message : result.messages)
    ShowMessage(session_, this, message.text, message.title);
}

void IOAppObjSetModbus::AddInstanceEntry(int instance) {
  instance_->addItem(InstanceEntry(instance));
}

// Selecting an entry shows its object, as a click on it does.
void IOAppObjSetModbus::SelectInstance(int slot) {
  instance_->setCurrentIndex(slot);
  Instance_Click();
}

// Choosing a kind runs the kind selection, as a click on the list does.
void IOAppObjSetModbus::SelectKind(int kind) {
  mbIoType_->setCurrentIndex(kind);
  MB_IO_type_Click();
}

void IOAppObjSetModbus::SetAddShown(bool shown) {
  addShown_ = shown;
  addApp_->setVisible(addShown_);
  eraseMB_->setVisible(eraseShown_ && !addShown_);
}

void IOAppObjSetModbus::SetEraseShown(bool shown) {
  eraseShown_ = shown;
  eraseMB_->setVisible(eraseShown_ && !addShown_);
}

void IOAppObjSetModbus::SetUpdateDeleteEnabled(bool enabled) {
  updateApp_->setEnabled(enabled);
  deleteApp_->setEnabled(enabled);
}

}  // namespace q4410::ui
