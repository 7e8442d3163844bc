// The CAN view of the main window: the "CAN Parameters Setting" frame with the application
// options, and the "CAN Parameters Viewer" frame.
#pragma once

#include <array>

#include "config/para_def.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace q4410::ui {

struct CanView {
  QGroupBox* ParaSetting = nullptr;
  QGroupBox* ApplicationLayerFrame = nullptr;
  std::array<QRadioButton*, 2> ApplicationSelect{};
  std::array<QLabel*, 2> ParaSettingC0{};
  QComboBox* CANBaudrate = nullptr;
  QLineEdit* CANNodeId = nullptr;
  QPushButton* SettingCANParameter = nullptr;
  QGroupBox* ParaView = nullptr;
  std::array<QLabel*, 3> ViewerC0{};
  std::array<QLineEdit*, 3> ViewerText{};
};

// Creates the two frames as children of `parent`.
CanView BuildCanView(QWidget* parent);

// The option that is selected now.
AppSelection SelectedApp(const CanView& view);

// Selects the option of `app` and fills the baud list with that application's rates, the
// first one selected.
void SelectApplication(CanView& view, AppSelection app);

// Shows the CAN controls and fills them from the record under the stored application. A
// node ID or baud code that the application does not have is set to 1 or 0 in the record.
void FillCanView(CanView& view, ParaDef& rec);

}  // namespace q4410::ui
