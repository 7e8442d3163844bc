#include "ui/main/about_box.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/main/product_banner.h"

namespace q4410::ui {

AboutBox::AboutBox(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("About");
  setWindowTitle("About");
  auto* column = new QVBoxLayout(this);
  auto* banner = new ProductBanner(this);
  banner->setFixedSize(400, 150);
  column->addWidget(banner);
  auto* text =
      new QLabel(QString("%1 Configuration Utility\n%2").arg(kProductName, kVersionText), this);
  text->setObjectName("AboutText");
  text->setAlignment(Qt::AlignCenter);
  column->addWidget(text);
  auto* row = new QHBoxLayout;
  row->addStretch();
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("AboutClose");
  ok->setDefault(true);
  ok->setAutoDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  setFocusProxy(ok);
  row->addWidget(ok);
  column->addLayout(row);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace q4410::ui
