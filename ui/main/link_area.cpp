#include "ui/main/link_area.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "ui/main/widget_helpers.h"

namespace q4410::ui {

LinkArea BuildLinkArea(QWidget* parent) {
  LinkArea a;
  a.CommunicationRegion = Frame(parent, "CommunicationRegion", "Communication");
  auto* grid = new QGridLayout(a.CommunicationRegion);
  a.Label3 = Label(a.CommunicationRegion, "Label3", "PC COM Port");
  a.ComPort = List(a.CommunicationRegion, "ComPort");
  a.ComPort->setMinimumWidth(150);
  a.Find = Button(a.CommunicationRegion, "Find", "Find");
  a.Find->setToolTip("Try each listed port for the module");
  a.Connect = Button(a.CommunicationRegion, "Connect", "Connect");
  a.State = Label(a.CommunicationRegion, "State", "Status");
  a.CommunicationState = TextBox(a.CommunicationRegion, "CommunicationState", true);
  a.CommunicationState->setMinimumWidth(220);
  a.ConnectProgress = new QProgressBar(a.CommunicationRegion);
  a.ConnectProgress->setObjectName("ConnectProgress");
  a.ConnectProgress->setRange(0, 10);
  a.ConnectProgress->setTextVisible(false);
  a.ConnectProgress->setMaximumHeight(14);
  KeepPlaceWhenHidden(a.ConnectProgress);

  grid->addWidget(a.Label3, 0, 0);
  auto* portRow = new QHBoxLayout;
  portRow->addWidget(a.ComPort, 1);
  portRow->addWidget(a.Find);
  grid->addLayout(portRow, 0, 1);
  grid->addWidget(a.Connect, 0, 2);
  grid->setColumnMinimumWidth(3, 16);
  grid->addWidget(a.State, 0, 4);
  grid->addWidget(a.CommunicationState, 0, 5);
  grid->addWidget(a.ConnectProgress, 1, 0, 1, 6);
  grid->setColumnStretch(5, 1);
  return a;
}

}  // namespace q4410::ui
