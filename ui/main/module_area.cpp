#include "ui/main/module_area.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/main/module_pictures.h"
#include "ui/main/widget_helpers.h"

namespace q4410::ui {

ModuleArea BuildModuleArea(QWidget* parent) {
  ModuleArea a;
  a.Frame2 = Frame(parent, "Frame2", "5160x series Situation");
  auto* row = new QHBoxLayout(a.Frame2);

  auto* firmware = new QVBoxLayout;
  a.Label4 = Label(a.Frame2, "Label4", "Firmware Version");
  a.FirmwareVer = TextBox(a.Frame2, "FirmwareVer", true);
  a.FirmwareVer->setFixedWidth(130);
  firmware->addWidget(a.Label4);
  firmware->addWidget(a.FirmwareVer);
  firmware->addStretch();
  row->addLayout(firmware);
  row->addStretch();

  a.ModulesImage = new ModuleRail(a.Frame2);
  a.ModulesImage->setObjectName("ModulesImage");
  const char* controllers[] = {"5160r", "5160QT"};
  for (int i = 0; i < 2; ++i) {
    a.Image5160[i] = new ModulePicture(controllers[i], a.ModulesImage);
    a.Image5160[i]->setObjectName(IndexedName("Image5160", i));
    a.Image5160[i]->move((a.ModulesImage->width() - a.Image5160[i]->width()) / 2,
                         (a.ModulesImage->height() - a.Image5160[i]->height()) / 2);
  }
  row->addWidget(a.ModulesImage);

  // The ports beside the module, each at the height of its terminal: CAN at the top,
  // RS-485 at the bottom.
  auto* ports = new QGridLayout;
  const char* captions[] = {"CAN Bus", "RS-485"};
  const char* points[] = {"CAN Channel", "COM2"};
  const PortKind kinds[] = {PortKind::Can, PortKind::Rs485};
  for (int i = 0; i < 2; ++i) {
    a.ComCaption[i] = Label(a.Frame2, IndexedName("ComCaption", i), captions[i]);
    QFont bold = a.ComCaption[i]->font();
    bold.setBold(true);
    a.ComCaption[i]->setFont(bold);
    a.ComImage[i] = new PortPicture(kinds[i], a.Frame2);
    a.ComImage[i]->setObjectName(IndexedName("ComImage", i));
    a.ComButton[i] = new PortButton(kinds[i], a.Frame2);
    a.ComButton[i]->setObjectName(IndexedName("ComButton", i));
    a.MousePoint[i] = Label(a.Frame2, IndexedName("MousePoint", i), points[i]);
    a.MousePoint[i]->setAlignment(Qt::AlignCenter);
    const int top = i * 4;
    ports->addWidget(a.ComCaption[i], top, 0, 1, 2);
    ports->addWidget(a.ComImage[i], top + 1, 0);
    ports->addWidget(a.ComButton[i], top + 1, 1);
    ports->addWidget(a.MousePoint[i], top + 2, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{a.ComCaption[i], a.ComImage[i],
                                                      a.ComButton[i], a.MousePoint[i]})
      KeepPlaceWhenHidden(w);
  }
  ports->setRowStretch(3, 1);
  row->addLayout(ports);
  row->addStretch();
  KeepPlaceWhenHidden(a.ModulesImage);
  return a;
}

void HideModulePicture(ModuleArea& area) {
  for (int i = 0; i < 2; ++i) {
    area.ComCaption[i]->hide();
    area.ComImage[i]->hide();
    area.ComButton[i]->hide();
    area.MousePoint[i]->hide();
    area.Image5160[i]->hide();
  }
  area.ModulesImage->hide();
}

void ShowModulePicture(ModuleArea& area, int controllerKind) {
  area.Image5160[controllerKind == 0 ? 0 : 1]->show();
  area.Image5160[controllerKind == 0 ? 1 : 0]->hide();
  for (int i = 0; i < 2; ++i) {
    area.ComImage[i]->show();
    area.ComButton[i]->SetPressedLook(false);
    area.ComButton[i]->show();
    area.MousePoint[i]->show();
    area.ComCaption[i]->show();
  }
  area.ModulesImage->show();
}

}  // namespace q4410::ui
