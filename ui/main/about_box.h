// The about window: product name and version, closed with its own button or Escape. Modeless.
#pragma once

#include <QWidget>

namespace q4410::ui {

class AboutBox : public QWidget {
 public:
  explicit AboutBox(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace q4410::ui
