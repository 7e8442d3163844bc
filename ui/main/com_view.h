// The COM view of the main window: the gateway's Modbus RTU line in the "COM Port Setting"
// frame and the "COM Port Parameters Viewer" frame.
#pragma once

#include <array>

#include "config/para_def.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace q4410::ui {

struct ComView {
  QGroupBox* COMParaSeteing = nullptr;
  std::array<QLabel*, 10> ComSetting{};  // 0..3 and 8 in the setting frame, 4..7 and 9 viewer
  QComboBox* ComBr = nullptr;
  QComboBox* ComDb = nullptr;
  QComboBox* ComPb = nullptr;
  QComboBox* ComSb = nullptr;
  QLineEdit* ComTimeout = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* SettingCOMParameter = nullptr;
  QGroupBox* COMParaView = nullptr;
  std::array<QLineEdit*, 5> COMViewerText{};
};

// Creates the two frames as children of `parent`.
ComView BuildComView(QWidget* parent);

// Shows the COM frames and fills the lists, the time-out and the viewer from the record.
void FillComView(ComView& view, const ParaDef& rec);

// The viewer rows after a successful "Set": entries trimmed, the time-out with " ms".
void ShowComSetting(ComView& view, const ParaDef& rec);

}  // namespace q4410::ui
