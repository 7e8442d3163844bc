// The about window: product name and version, closed with its own button. Modeless.
#pragma once

#include <QWidget>

namespace q4410::ui {

class AboutBox : public QWidget {
 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace q4410::ui
