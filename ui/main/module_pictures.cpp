#include "ui/main/module_pictures.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace q4410::ui {

namespace {

const QColor kOutline(70, 70, 70);
const QColor kTerminalGreen(46, 110, 62);

// A pluggable screw-terminal block with `poles` screws, seen from the front.
void DrawTerminalBlock(QPainter& p, const QRectF& r, int poles) {
  QLinearGradient body(r.topLeft(), r.bottomLeft());
  body.setColorAt(0, kTerminalGreen.lighter(135));
  body.setColorAt(1, kTerminalGreen.darker(120));
  p.setPen(QPen(kTerminalGreen.darker(170), 1));
  p.setBrush(body);
  p.drawRoundedRect(r, 2, 2);
  const double pitch = r.width() / poles;
  for (int i = 0; i < poles; ++i) {
    const QPointF c(r.left() + pitch * (i + 0.5), r.center().y() + r.height() * 0.12);
    const double rad = std::min(pitch, r.height()) * 0.28;
    // wire opening above the screw
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 35, 25));
    p.drawRect(QRectF(c.x() - rad * 0.9, r.top() + 2, rad * 1.8, r.height() * 0.22));
    // screw head with its slot
    QRadialGradient head(c - QPointF(rad / 3, rad / 3), rad * 1.4);
    head.setColorAt(0, QColor(245, 245, 245));
    head.setColorAt(1, QColor(140, 140, 140));
    p.setBrush(head);
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    p.drawEllipse(c, rad, rad);
    p.setPen(QPen(QColor(70, 70, 70), 1.2));
    p.drawLine(c + QPointF(-rad * 0.7, rad * 0.7), c + QPointF(rad * 0.7, -rad * 0.7));
  }
}

void DrawLed(QPainter& p, const QPointF& c, const QColor& colour, bool lit, const QString& name) {
  const double r = 3.6;
  if (lit) {
    QRadialGradient glow(c, r * 2.6);
    QColor halo = colour;
    halo.setAlpha(110);
    glow.setColorAt(0, halo);
    glow.setColorAt(1, Qt::transparent);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * 2.6, r * 2.6);
  }
  QRadialGradient lens(c - QPointF(1, 1), r * 1.5);
  lens.setColorAt(0, lit ? colour.lighter(170) : colour.darker(180));
  lens.setColorAt(1, lit ? colour : colour.darker(300));
  p.setBrush(lens);
  p.setPen(QPen(QColor(40, 40, 40), 0.8));
  p.drawEllipse(c, r, r);
  QFont f = p.font();
  f.setPixelSize(8);
  f.setBold(false);
  p.setFont(f);
  p.setPen(QColor(40, 40, 40));
  p.drawText(QRectF(c.x() + 7, c.y() - 6, 40, 12), Qt::AlignLeft | Qt::AlignVCenter, name);
}

}  // namespace

ModuleRail::ModuleRail(QWidget* parent) : QWidget(parent) {
  setFixedSize(250, 262);
}

void ModuleRail::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // A top-hat rail, 35 mm seen from the front, running across behind the module.
  const QRectF rail(0, height() / 2.0 - 20, width(), 40);
  QLinearGradient metal(rail.topLeft(), rail.bottomLeft());
  metal.setColorAt(0, QColor(235, 235, 235));
  metal.setColorAt(0.12, QColor(170, 170, 172));
  metal.setColorAt(0.5, QColor(214, 214, 216));
  metal.setColorAt(0.88, QColor(160, 160, 162));
  metal.setColorAt(1, QColor(230, 230, 230));
  p.setPen(QPen(QColor(120, 120, 120), 1));
  p.setBrush(metal);
  p.drawRect(rail);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(95, 95, 98));
  for (double x = 8; x + 16 < width(); x += 26)
    p.drawRoundedRect(QRectF(x, rail.center().y() - 3.5, 16, 7), 3.5, 3.5);
}

ModulePicture::ModulePicture(QString controller, QWidget* parent)
    : QWidget(parent), controller_(std::move(controller)) {
  setFixedSize(150, 250);
}

void ModulePicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = QRectF(rect()).adjusted(4, 2, -8, -6);

  // shadow and housing
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 55));
  p.drawRoundedRect(body.translated(4, 4), 7, 7);
  QLinearGradient housing(body.topLeft(), body.topRight());
  housing.setColorAt(0, QColor(150, 150, 152));
  housing.setColorAt(0.1, QColor(212, 212, 214));
  housing.setColorAt(0.9, QColor(200, 200, 202));
  housing.setColorAt(1, QColor(140, 140, 142));
  p.setPen(QPen(kOutline, 1.2));
  p.setBrush(housing);
  p.drawRoundedRect(body, 7, 7);

  // vent slots at the top edge
  p.setPen(QPen(QColor(110, 110, 112), 1.4));
  for (double x = body.left() + 24; x < body.right() - 20; x += 9)
    p.drawLine(QPointF(x, body.top() + 5), QPointF(x, body.top() + 11));

  // CAN terminal at the top, RS-485 and power at the bottom
  DrawTerminalBlock(p, QRectF(body.left() + 12, body.top() + 16, body.width() - 24, 28), 5);
  DrawTerminalBlock(p, QRectF(body.left() + 12, body.bottom() - 44, body.width() - 24, 28), 5);

  // front label: blue title strip with the product name, the controller badge below
  const QRectF panel(body.left() + 10, body.top() + 52, body.width() - 20, 78);
  p.setPen(QPen(QColor(120, 120, 120), 1));
  p.setBrush(QColor(246, 246, 240));
  p.drawRoundedRect(panel, 3, 3);
  const QRectF strip(panel.left(), panel.top(), panel.width(), 22);
  QPainterPath stripPath;
  stripPath.addRoundedRect(strip, 3, 3);
  p.fillPath(stripPath, QColor(28, 74, 150));
  QFont f = font();
  f.setPixelSize(14);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(strip, Qt::AlignCenter, "Q-4410C");
  f.setPixelSize(8);
  f.setBold(false);
  p.setFont(f);
  p.setPen(QColor(50, 50, 50));
  p.drawText(QRectF(panel.left(), strip.bottom() + 2, panel.width(), 12), Qt::AlignCenter,
             "CANopen / Modbus RTU");
  const QRectF badge(panel.center().x() - 30, strip.bottom() + 19, 60, 26);
  p.setPen(QPen(QColor(20, 20, 20), 1));
  p.setBrush(QColor(34, 34, 38));
  p.drawRoundedRect(badge, 3, 3);
  f.setPixelSize(13);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(255, 190, 40));
  p.drawText(badge, Qt::AlignCenter, controller_);

  // terminal legends printed on the housing
  f.setPixelSize(7);
  f.setBold(false);
  p.setFont(f);
  p.setPen(QColor(60, 60, 60));
  const double pitch = (body.width() - 24) / 5;
  const char* canPins[] = {"GND", "CL", "SH", "CH", "V+"};
  const char* linePins[] = {"D+", "D-", "GND", "+Vs", "GND"};
  for (int i = 0; i < 5; ++i) {
    const double x = body.left() + 12 + pitch * i;
    p.drawText(QRectF(x, body.top() + 44, pitch, 8), Qt::AlignCenter, canPins[i]);
    p.drawText(QRectF(x, body.bottom() - 54, pitch, 9), Qt::AlignCenter, linePins[i]);
  }

  // status LEDs
  const double ledX = body.left() + 24;
  const double ledY = panel.bottom() + 14;
  DrawLed(p, {ledX, ledY}, QColor(40, 210, 60), true, "PWR");
  DrawLed(p, {ledX, ledY + 15}, QColor(40, 210, 60), true, "RUN");
  DrawLed(p, {ledX + 58, ledY}, QColor(230, 40, 30), false, "ERR");
  DrawLed(p, {ledX + 58, ledY + 15}, QColor(255, 170, 20), true, "COM");
}

PortPicture::PortPicture(PortKind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setFixedSize(92, 52);
}

void PortPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (kind_ == PortKind::Rs485) {
    const QRectF block(6, 6, width() - 12, 30);
    DrawTerminalBlock(p, block, 3);
    QFont f = font();
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(40, 40, 40));
    const double pitch = block.width() / 3;
    const char* names[] = {"D+", "D-", "GND"};
    for (int i = 0; i < 3; ++i)
      p.drawText(QRectF(block.left() + pitch * i, block.bottom() + 2, pitch, 12), Qt::AlignCenter,
                 names[i]);
    return;
  }
  // 9-pin D-sub, male: metal shell with its two screw locks, pins in two rows.
  const QRectF shell(4, 6, width() - 8, height() - 12);
  QLinearGradient metal(shell.topLeft(), shell.bottomLeft());
  metal.setColorAt(0, QColor(230, 230, 232));
  metal.setColorAt(1, QColor(150, 150, 154));
  p.setPen(QPen(QColor(100, 100, 100), 1));
  p.setBrush(metal);
  p.drawRoundedRect(shell, 4, 4);
  for (double x : {shell.left() + 9, shell.right() - 9}) {
    p.setBrush(QColor(190, 190, 190));
    p.drawEllipse(QPointF(x, shell.center().y()), 5.5, 5.5);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(x, shell.center().y()), 2.2, 2.2);
  }
  const double top = shell.top() + 7, bottom = shell.bottom() - 7;
  const double wideHalf = 25, narrowHalf = 20, cx = shell.center().x();
  QPainterPath face;
  face.moveTo(cx - wideHalf, top);
  face.lineTo(cx + wideHalf, top);
  face.lineTo(cx + narrowHalf, bottom);
  face.lineTo(cx - narrowHalf, bottom);
  face.closeSubpath();
  p.setPen(QPen(QColor(70, 70, 70), 1));
  p.setBrush(QColor(30, 34, 44));
  p.drawPath(face);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(222, 180, 70));
  for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(cx - 18 + 9 * i, top + 8), 2.2, 2.2);
  for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(cx - 13.5 + 9 * i, bottom - 8), 2.2, 2.2);
}

PortButton::PortButton(PortKind kind, QWidget* parent) : QAbstractButton(parent), kind_(kind) {
  setFixedSize(sizeHint());
  setCursor(Qt::PointingHandCursor);
  // Reached with Tab and pressed with Space or Enter, like any button.
  setFocusPolicy(Qt::StrongFocus);
  const bool can = kind_ == PortKind::Can;
  setAccessibleName(can ? "CAN Bus port" : "RS-485 port COM2");
  setToolTip(can ? "CAN Bus: CAN parameters" : "RS-485 (COM2): COM port parameters");
}

void PortButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void PortButton::SetPressedLook(bool pressed) {
  if (pressedLook_ == pressed) return;
  pressedLook_ = pressed;
  update();
}

void PortButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.fillRect(rect(), background());
  // bevel: raised when released, sunken when pressed
  const QColor light(255, 255, 255), dark(96, 96, 96);
  const QColor& topLeft = pressedLook_ ? dark : light;
  const QColor& bottomRight = pressedLook_ ? light : dark;
  for (int i = 0; i < 2; ++i) {
    const QRectF b = r.adjusted(i, i, -i, -i);
    p.setPen(QPen(topLeft, 1));
    p.drawLine(b.topLeft(), b.topRight());
    p.drawLine(b.topLeft(), b.bottomLeft());
    p.setPen(QPen(bottomRight, 1));
    p.drawLine(b.bottomLeft(), b.bottomRight());
    p.drawLine(b.topRight(), b.bottomRight());
  }
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);

  // the icon: a small connector and the port's name, shifted while pressed
  const QPointF shift = pressedLook_ ? QPointF(1, 1) : QPointF(0, 0);
  const QRectF icon = QRectF(12, 9, width() - 24, 16).translated(shift);
  p.setPen(QPen(QColor(40, 40, 40), 1));
  if (kind_ == PortKind::Can) {
    QPainterPath sub;
    sub.moveTo(icon.left(), icon.top());
    sub.lineTo(icon.right(), icon.top());
    sub.lineTo(icon.right() - 4, icon.bottom());
    sub.lineTo(icon.left() + 4, icon.bottom());
    sub.closeSubpath();
    p.setBrush(QColor(60, 64, 80));
    p.drawPath(sub);
  } else {
    p.setBrush(kTerminalGreen);
    p.drawRect(icon);
    p.setBrush(QColor(220, 220, 220));
    for (int i = 0; i < 3; ++i)
      p.drawEllipse(QPointF(icon.left() + icon.width() / 6 * (2 * i + 1), icon.center().y()), 3, 3);
  }
  QFont f = font();
  f.setPixelSize(11);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::black);
  p.drawText(QRectF(0, 28, width(), 18).translated(shift), Qt::AlignCenter,
             kind_ == PortKind::Can ? "CAN" : "485");

  if (hasFocus()) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(4.5, 4.5, -4.5, -4.5));
  }
}

}  // namespace q4410::ui
