#include "ui/main/link_area.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "ui/main/widget_helpers.h"

namespace q4410::ui {

LinkArea BuildLinkArea(QWidget* parent) {
  LinkArea a;
  a.CommunicationRegion = Frame(parent, "CommunicationRegion", "Communication");
  auto* grid = new QGridLayout(a.CommunicationRegion);
  a.Label3 = Label(a.CommunicationRegion, "Label3", "PC COM Port");
  a.ComPort = List(a.CommunicationRegion, "ComPort");
  a.ComPort->setMinimumWidth(150);
  a.Connect = Button(a.CommunicationRegion, "Connect", "Connect");
  a.State = Label(a.CommunicationRegion, "State", "Status");
  a.CommunicationState = TextBox(a.CommunicationRegion, "CommunicationState", true);
  a.CommunicationState->setMinimumWidth(220);
  // The line is narrower than some texts (long port names): the whole text is its tooltip.
  QLineEdit* state = a.CommunicationState;
  QObject::connect(state, &QLineEdit::textChanged, state,
                   [state](const QString& text) { state->setToolTip(text); });
  QComboBox* ports = a.ComPort;
  QObject::connect(ports, &QComboBox::currentTextChanged, ports,
                   [ports](const QString& text) { ports->setToolTip(text); });
  a.ConnectProgress = new QProgressBar(a.CommunicationRegion);
  a.ConnectProgress->setObjectName("ConnectProgress");
  a.ConnectProgress->setRange(0, 10);
  a.ConnectProgress->setTextVisible(false);
  a.ConnectProgress->setMaximumHeight(14);
  KeepPlaceWhenHidden(a.ConnectProgress);

  grid->addWidget(a.Label3, 0, 0);
  grid->addWidget(a.ComPort, 0, 1);
  grid->addWidget(a.Connect, 0, 2);
  grid->setColumnMinimumWidth(3, 16);
  grid->addWidget(a.State, 0, 4);
  grid->addWidget(a.CommunicationState, 0, 5);
  grid->addWidget(a.ConnectProgress, 1, 0, 1, 6);
  grid->setColumnStretch(5, 1);
  return a;
}

void FillPortList(LinkArea& area, const std::vector<std::string>& ports) {
  QComboBox* list = area.ComPort;
  list->clear();
  int widest = 0;
  for (const std::string& label : ports) {
    list->addItem(QtText(label));
    widest = std::max(widest, list->fontMetrics().horizontalAdvance(QtText(label)));
  }
  list->setCurrentIndex(ports.empty() ? -1 : 0);
  // Text, the list's frame and margins, and a scroll bar when the list is long.
  list->view()->setMinimumWidth(widest + 48);
}

}  // namespace q4410::ui
