// The product banner shared by the splash window and the about window.
#pragma once

#include <QWidget>

#include "config/version.h"  // kVersionText

class QPainter;

namespace q4410::ui {

inline constexpr const char* kProductName = "Q-4410C";
inline constexpr const char* kProductLine = "CANopen / Modbus RTU Gateway";

// Draws the banner into `area`: product name, product line and version on a dark blue
// ground with a small module picture.
void PaintProductBanner(QPainter& painter, const QRect& area);

// A widget that shows the banner.
class ProductBanner : public QWidget {
 public:
  explicit ProductBanner(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent*) override;
};

}  // namespace q4410::ui
