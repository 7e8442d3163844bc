#include "ui/main/about_box.h"

#include <QHBoxLayout>
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
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  row->addWidget(ok);
  column->addLayout(row);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace q4410::ui
