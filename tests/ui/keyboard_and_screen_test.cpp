// The windows from the keyboard alone, and on the smallest screen they must fit.
#include <QApplication>
#include <QScreen>

#include "tests/ui/window_session.h"
#include "ui/main/about_box.h"

namespace q4410::testing {
namespace {

// Tab from the focused control until `target` has the focus; false when it never does.
bool TabTo(QWidget* target) {
  for (int i = 0; i < 40 && QApplication::focusWidget() != target; ++i)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  return QApplication::focusWidget() == target;
}

// The typical configuration from the keyboard alone: connect, CAN and serial settings, on
// through the editor, Finish, then Exit.
TEST(KeyboardOnly, ConnectedModuleConfiguredWithoutTheMouse) {
  SimulatedModule module(sim::ExampleImage(), {});
  ASSERT_TRUE(module.started());
  WindowSession s({module.device()});
  s.main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(s.main));
  s.Get("ComPort")->setFocus();
  QTest::keyClick(s.Get("Connect"), Qt::Key_Space);
  ASSERT_TRUE(s.main->ModuleConnected());

  // Enter in the node ID takes it over.
  s.SetText("CANNodeId", "17");
  QTest::keyClick(s.Get("CANNodeId"), Qt::Key_Return);

  // The picture buttons are reached with Tab, named, and pressed with Space or Enter.
  auto* can = s.Get<QAbstractButton>("ComButton_0");
  ASSERT_TRUE(TabTo(can));
  EXPECT_FALSE(can->accessibleName().isEmpty());
  EXPECT_FALSE(can->toolTip().isEmpty());
  QTest::keyClick(can, Qt::Key_Space);
  EXPECT_EQ(s.main->SelectedPortButton(), 0);
  QTest::keyClick(s.Get("ComButton_1"), Qt::Key_Return);
  EXPECT_EQ(s.main->SelectedPortButton(), 1);
  s.SetText("ComTimeout", "750");
  QTest::keyClick(s.Get("SettingCOMParameter"), Qt::Key_Space);

  // The menu bar by its mnemonics: About opens and Escape closes it.
  QTest::keyClick(s.main, Qt::Key_A, Qt::AltModifier);
  auto* about = s.main->findChild<ui::AboutBox*>("About");
  ASSERT_TRUE(about && about->isVisible());
  QTest::keyClick(about, Qt::Key_Escape);
  EXPECT_FALSE(about->isVisible());

  // Enter on "Next", Space on the editor's "Next", Space on Finish as a mouse release over it.
  QTest::keyClick(s.Get("CreateMBDevice"), Qt::Key_Return);
  ASSERT_NE(s.windows.editor(), nullptr);
  QTest::keyClick(s.InEditor<QPushButton>("NextButton"), Qt::Key_Space);
  ASSERT_NE(s.windows.edsWindow(), nullptr);
  QTest::keyClick(Find<QPushButton>(s.windows.edsWindow(), "FinishButton"), Qt::Key_Space);
  FlushUnloads();
  EXPECT_EQ(
      s.boxes.boxes,
      (Boxes{{"The module is configured and its EDS file is written:\n" + s.Path("COPn17.eds"),
              "Information"}}));
  EXPECT_EQ(s.windows.edsWindow(), nullptr);
  EXPECT_EQ(module.Word(0, 48), 0x00110003u);  // node 17, 125 kbit/s
  EXPECT_EQ(module.Word(0, 64), 0x02EE5500u);  // 750 ms, 19200 8E1

  // Exit from the File menu answered No keeps everything; Yes from the button empties the
  // tables and closes every window.
  s.windows.OpenShowModule();
  s.boxes.boxes.clear();
  s.boxes.answers = {false, true};
  s.main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(s.main));
  QTest::keyClick(s.main, Qt::Key_F, Qt::AltModifier);
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_X);
  EXPECT_TRUE(s.main->isVisible());
  EXPECT_NE(s.windows.showModule(), nullptr);
  QTest::keyClick(s.Get("EixtProgram"), Qt::Key_Space);
  EXPECT_EQ(s.boxes.boxes, Boxes(2, {"Are you sure to exit this program?", "Exit Query", true}));
  EXPECT_FALSE(s.main->isVisible());
  EXPECT_TRUE(s.rec.Block0Image.empty() && s.rec.ModuleAppObjects.empty());
  EXPECT_EQ(s.windows.showModule(), nullptr);
}

// Every window, with the most it can show, lies inside a 1024x768 screen with room for its
// title bar.
TEST(SmallScreen, EveryWindowFitsOn1024x768) {
  WindowSession s({"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10KQ3ZP-if00-port0"});
  const QRect screen = s.main->screen()->availableGeometry();
  ASSERT_EQ(screen.size(), QSize(1024, 768));
  for (int i = 0; i < kMaxAppObjects; ++i) s.rec.ModuleAppObjects.push_back({"247", 3, 1, 55});
  s.rec.ModuleAppObjectCount = kMaxAppObjects;
  s.main->ComButton_MouseDown(1);
  s.main->findChild<QAction*>("About_")->trigger();
  s.windows.OpenEditor();
  s.windows.OpenShowModule();
  s.windows.OpenShowAppObj();
  s.windows.OpenShowPdo();
  s.windows.OpenEdsWindow();
  QCoreApplication::processEvents();
  int shown = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    ++shown;
    const QRect frame(window->pos(), window->size() + QSize(0, ui::kTitleBarAllowance));
    EXPECT_TRUE(screen.contains(frame)) << window->objectName().toStdString();
  }
  EXPECT_EQ(shown, 7);
}

}  // namespace
}  // namespace q4410::testing
