// The pictures of the main window's module area, drawn with QPainter: the DIN rail, the
// gateway module with its controller name, the two port connectors and the port buttons.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>
#include <QWidget>

namespace q4410::ui {

enum class PortKind { Can, Rs485 };

// ModulesImage: a length of DIN rail that the module pictures sit on.
class ModuleRail : public QWidget {
 public:
  explicit ModuleRail(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent*) override;
};

// Image5160[i]: the gateway module (housing, terminals, front label, LEDs) built on the
// controller named `controller` ("5160r" or "5160QT").
class ModulePicture : public QWidget {
 public:
  ModulePicture(QString controller, QWidget* parent = nullptr);
  const QString& controller() const { return controller_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString controller_;
};

// ComImage[i]: the module's CAN connector (9-pin D-sub) or RS-485 terminal block.
class PortPicture : public QWidget {
 public:
  PortPicture(PortKind kind, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  PortKind kind_;
};

// ComButton[i]: a picture button that stays pressed while its view is shown. It reports
// the mouse going down, Space or Enter through QAbstractButton::pressed.
class PortButton : public QAbstractButton {
 public:
  static QColor PressedColour() { return QColor(255, 0, 0); }
  static QColor ReleasedColour() { return QColor(192, 192, 192); }

  PortButton(PortKind kind, QWidget* parent = nullptr);
  void SetPressedLook(bool pressed);
  bool pressedLook() const { return pressedLook_; }
  QColor background() const { return pressedLook_ ? PressedColour() : ReleasedColour(); }
  QSize sizeHint() const override { return {52, 52}; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  PortKind kind_;
  bool pressedLook_ = false;
};

}  // namespace q4410::ui
