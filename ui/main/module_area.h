// The module area of the main window ("5160x series Situation"): firmware version, the
// module picture and the two port buttons that switch between the CAN and the COM view.
#pragma once

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace q4410::ui {

class ModuleRail;
class ModulePicture;
class PortPicture;
class PortButton;

struct ModuleArea {
  QGroupBox* Frame2 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* FirmwareVer = nullptr;
  ModuleRail* ModulesImage = nullptr;
  std::array<ModulePicture*, 2> Image5160{};  // 0 the 5160r, 1 the 5160QT
  std::array<PortPicture*, 2> ComImage{};     // 0 CAN, 1 RS-485
  std::array<PortButton*, 2> ComButton{};
  std::array<QLabel*, 2> MousePoint{};
  std::array<QLabel*, 2> ComCaption{};
};

ModuleArea BuildModuleArea(QWidget* parent);

// Hides the module picture, the port pictures, buttons and captions.
void HideModulePicture(ModuleArea& area);

// Shows the module of `controllerKind` (0 5160r, 1 5160QT) with its ports, buttons released.
void ShowModulePicture(ModuleArea& area, int controllerKind);

}  // namespace q4410::ui
