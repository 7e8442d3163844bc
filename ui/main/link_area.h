// The link area of the main window: PC port list, "Connect", status line and progress bar.
#pragma once

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
  QPushButton* Find = nullptr;  // finds the port the module answers on
  QPushButton* Connect = nullptr;
  QLabel* State = nullptr;
  QLineEdit* CommunicationState = nullptr;
  QProgressBar* ConnectProgress = nullptr;
};

LinkArea BuildLinkArea(QWidget* parent);

}  // namespace q4410::ui
