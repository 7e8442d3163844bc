// Pictures of the main window for looking at it by eye: written only when
// Q4410_SCREENSHOT_DIR names a directory, skipped otherwise.
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QTimer>

#include "tests/ui/main_connect_fixture.h"
#include "ui/main/about_box.h"
#include "ui/main/product_banner.h"

namespace q4410::testing {
namespace {

QString ScreenshotDir() {
  return qEnvironmentVariable("Q4410_SCREENSHOT_DIR");
}

void Save(QWidget* widget, const char* name) {
  const QString path = QDir(ScreenshotDir()).filePath(name);
  EXPECT_TRUE(widget->grab().save(path)) << path.toStdString();
}

TEST(MainScreenshots, NotConnectedCanViewComViewAndAbout) {
  if (ScreenshotDir().isEmpty()) GTEST_SKIP() << "Q4410_SCREENSHOT_DIR not set";
  ConnectedWindow w;
  ASSERT_TRUE(w.module.started());
  Store(w.module, StoredConfiguration());
  Save(w.s.main, "main_not_connected.png");
  QTimer::singleShot(150, w.s.main, [&] { Save(w.s.main, "main_connecting.png"); });
  w.s.Click("Connect");
  Save(w.s.main, "main_can_view.png");
  w.s.PortButton(1)->click();
  Save(w.s.main, "main_com_view.png");

  ui::AboutBox about;
  about.show();
  Save(&about, "main_about.png");
  ui::ProductBanner banner;
  banner.resize(480, 220);
  Save(&banner, "main_splash_banner.png");
}

}  // namespace
}  // namespace q4410::testing
