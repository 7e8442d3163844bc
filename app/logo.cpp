#include "app/logo.h"

#include <QVBoxLayout>

#include "ui/main/product_banner.h"

namespace q4410::app {

Logo::Logo() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("Logo");
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  auto* banner = new ui::ProductBanner(this);
  banner->setFixedSize(480, 220);
  layout->addWidget(banner);
  setStyleSheet("q4410--app--Logo, QWidget#Logo { background: #0c2550; }");
  adjustSize();
}

}  // namespace q4410::app
