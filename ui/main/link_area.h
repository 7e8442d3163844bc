// The link area of the main window: PC port list, "Connect", status line and progress bar.
#pragma once

#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace q4410::ui {

struct LinkArea {
  QGroupBox* CommunicationRegion = nullptr;
  QLabel* Label3 = nullptr;
  QComboBox* ComPort = nullptr;
  QPushButton* Connect = nullptr;
  QLabel* State = nullptr;
  QLineEdit* CommunicationState = nullptr;
  QProgressBar* ConnectProgress = nullptr;
};

LinkArea BuildLinkArea(QWidget* parent);

// Lists the ports, the first one selected. The open list is as wide as the longest port
// name, so long device paths can be read in full.
void FillPortList(LinkArea& area, const std::vector<std::string>& ports);

}  // namespace q4410::ui
