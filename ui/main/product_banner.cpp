#include "ui/main/product_banner.h"

#include <QLinearGradient>
#include <QPainter>

namespace q4410::ui {

namespace {

// A small front view of the module: grey housing, blue label strip, two LEDs.
void PaintModuleIcon(QPainter& p, const QRectF& r) {
  p.setPen(QPen(QColor(40, 40, 40), 1));
  QLinearGradient housing(r.topLeft(), r.topRight());
  housing.setColorAt(0, QColor(150, 150, 152));
  housing.setColorAt(0.15, QColor(215, 215, 217));
  housing.setColorAt(1, QColor(145, 145, 147));
  p.setBrush(housing);
  p.drawRoundedRect(r, 4, 4);
  p.setBrush(QColor(46, 110, 62));
  p.drawRect(QRectF(r.left() + 6, r.top() + 6, r.width() - 12, r.height() * 0.14));
  p.drawRect(
      QRectF(r.left() + 6, r.bottom() - 6 - r.height() * 0.14, r.width() - 12, r.height() * 0.14));
  p.setBrush(QColor(28, 74, 150));
  p.drawRect(QRectF(r.left() + 5, r.top() + r.height() * 0.3, r.width() - 10, r.height() * 0.12));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 220, 80));
  p.drawEllipse(QPointF(r.left() + 12, r.center().y() + 14), 3, 3);
  p.setBrush(QColor(255, 170, 20));
  p.drawEllipse(QPointF(r.left() + 24, r.center().y() + 14), 3, 3);
}

}  // namespace

void PaintProductBanner(QPainter& p, const QRect& area) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient ground(area.topLeft(), area.bottomRight());
  ground.setColorAt(0, QColor(18, 48, 104));
  ground.setColorAt(1, QColor(44, 100, 170));
  p.fillRect(area, ground);
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  for (int x = area.left() - area.height(); x < area.right(); x += 14)
    p.drawLine(x, area.bottom(), x + area.height(), area.top());

  const double iconH = area.height() * 0.62;
  const QRectF icon(area.left() + 24, area.center().y() - iconH / 2, iconH * 0.6, iconH);
  PaintModuleIcon(p, icon);

  const QRectF text(icon.right() + 24, area.top(), area.right() - icon.right() - 36, area.height());
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(std::max(18, area.height() / 5));
  p.setFont(f);
  p.setPen(Qt::white);
  const QRectF nameBox(text.left(), text.top() + text.height() * 0.18, text.width(),
                       text.height() * 0.3);
  p.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, kProductName);
  f.setBold(false);
  f.setPixelSize(std::max(11, area.height() / 13));
  p.setFont(f);
  p.setPen(QColor(220, 232, 255));
  p.drawText(QRectF(text.left(), nameBox.bottom(), text.width(), text.height() * 0.18),
             Qt::AlignLeft | Qt::AlignVCenter, kProductLine);
  f.setPixelSize(std::max(10, area.height() / 16));
  p.setFont(f);
  p.setPen(QColor(255, 210, 90));
  p.drawText(QRectF(text.left(), nameBox.bottom() + text.height() * 0.2, text.width(),
                    text.height() * 0.16),
             Qt::AlignLeft | Qt::AlignVCenter, kVersionText);
  p.restore();
}

ProductBanner::ProductBanner(QWidget* parent) : QWidget(parent) {}

void ProductBanner::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintProductBanner(p, rect());
}

}  // namespace q4410::ui
