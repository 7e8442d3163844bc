#include "ui/main/can_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "config/numbers.h"
#include "config/settings_rules.h"
#include "ui/main/widget_helpers.h"

namespace q4410::ui {

CanView BuildCanView(QWidget* parent) {
  CanView v;
  v.ParaSetting = Frame(parent, "ParaSetting", "CAN Parameters Setting");
  auto* setting = new QGridLayout(v.ParaSetting);
  v.ApplicationLayerFrame = Frame(v.ParaSetting, "ApplicationLayerFrame", "Application Layer");
  auto* options = new QHBoxLayout(v.ApplicationLayerFrame);
  const char* names[] = {"CANopen", "DeviceNet"};
  for (int i = 0; i < 2; ++i) {
    v.ApplicationSelect[i] = new QRadioButton(names[i], v.ApplicationLayerFrame);
    v.ApplicationSelect[i]->setObjectName(IndexedName("ApplicationSelect", i));
    options->addWidget(v.ApplicationSelect[i]);
  }
  setting->addWidget(v.ApplicationLayerFrame, 0, 0, 1, 3);
  v.ParaSettingC0[0] = Label(v.ParaSetting, IndexedName("ParaSettingC0", 0), "Baud rate");
  v.ParaSettingC0[1] = Label(v.ParaSetting, IndexedName("ParaSettingC0", 1), "Node ID");
  v.CANBaudrate = List(v.ParaSetting, "CANBaudrate");
  v.CANNodeId = TextBox(v.ParaSetting, "CANNodeId", false);
  v.CANNodeId->setMaximumWidth(80);
  v.SettingCANParameter = Button(v.ParaSetting, "SettingCANParameter", "Setting");
  setting->addWidget(v.ParaSettingC0[0], 1, 0);
  setting->addWidget(v.CANBaudrate, 1, 1, 1, 2);
  setting->addWidget(v.ParaSettingC0[1], 2, 0);
  setting->addWidget(v.CANNodeId, 2, 1);
  setting->addWidget(v.SettingCANParameter, 3, 2);
  setting->setColumnStretch(1, 1);
  setting->setRowStretch(4, 1);

  v.ParaView = Frame(parent, "ParaView", "CAN Parameters Viewer");
  auto* viewer = new QGridLayout(v.ParaView);
  const char* rows[] = {"Application Layer", "Baud rate", "Node ID"};
  for (int i = 0; i < 3; ++i) {
    v.ViewerC0[i] = Label(v.ParaView, IndexedName("ViewerC0", i), rows[i]);
    v.ViewerText[i] = TextBox(v.ParaView, IndexedName("ViewerText", i), true);
    viewer->addWidget(v.ViewerC0[i], i, 0);
    viewer->addWidget(v.ViewerText[i], i, 1);
  }
  viewer->setRowStretch(3, 1);
  for (QWidget* w : std::initializer_list<QWidget*>{
           v.ParaSettingC0[0], v.ParaSettingC0[1], v.CANBaudrate, v.CANNodeId,
           v.SettingCANParameter, v.ViewerC0[0], v.ViewerC0[1], v.ViewerC0[2], v.ViewerText[0],
           v.ViewerText[1], v.ViewerText[2]})
    KeepPlaceWhenHidden(w);
  return v;
}

AppSelection SelectedApp(const CanView& view) {
  return view.ApplicationSelect[1]->isChecked() ? AppSelection::DeviceNet : AppSelection::CANopen;
}

void SelectApplication(CanView& view, AppSelection app) {
  view.CANBaudrate->clear();
  const int index = static_cast<int>(app);
  view.ApplicationSelect[index]->setChecked(true);
  view.ApplicationSelect[1 - index]->setChecked(false);
  for (std::string_view entry : CanBaudEntries(app)) view.CANBaudrate->addItem(QtText(entry));
  view.CANBaudrate->setCurrentIndex(0);
}

void FillCanView(CanView& view, ParaDef& rec) {
  view.ParaSetting->show();
  view.ParaView->show();
  view.SettingCANParameter->show();
  view.CANBaudrate->show();
  view.CANNodeId->show();
  for (QLabel* label : view.ParaSettingC0) label->show();
  for (int i = 0; i < 3; ++i) {
    view.ViewerC0[i]->show();
    view.ViewerText[i]->show();
  }
  const AppSelection app = StoredApp(rec);
  SelectApplication(view, app);
  view.ViewerText[0]->setText(QtText(AppName(app)));
  FitCanFieldsToApplication(rec);
  view.CANNodeId->setText(QtText(Decimal(rec.NodeId)));
  view.ViewerText[2]->setText(QtText(Decimal(rec.NodeId)));
  view.CANBaudrate->setCurrentIndex(rec.CanBaudCode);
  view.ViewerText[1]->setText(view.CANBaudrate->currentText());
}

}  // namespace q4410::ui
