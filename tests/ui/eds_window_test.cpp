// The EDS window: what Finish refuses around a download, and a download that fails.
#include <QMessageBox>
#include <filesystem>

#include "tests/ui/window_session.h"

namespace q4410::testing {
namespace {

// The configuration goes only into the module it was read from. Neither a second Finish nor
// the close box stops the download: the refusal does not wait for OK, and the download goes
// on to the verification, which names the word in a message and the status line; no EDS file
// is written and the EDS window stays for another try.
TEST(EdsWindow, DownloadRefusedOnAnotherPortNotStoppedWhileItRunsAndItsVerificationFailureNamed) {
  sim::SimOptions corrupt;
  corrupt.corruptBlock = 0;
  corrupt.corruptOffset = 48;  // node ID and CAN baud
  SimulatedModule module(sim::ExampleImage(), corrupt), other;
  ASSERT_TRUE(module.started() && other.started());
  WindowSession s({module.device(), other.device()});
  s.Click("Connect");
  s.SetText("CANNodeId", "17");
  s.Click("SettingCANParameter");
  s.Click("CreateMBDevice");
  s.InEditor<QPushButton>("NextButton")->click();
  ui::COPEDS_F* eds = s.windows.edsWindow();
  ASSERT_NE(eds, nullptr);
  auto* finish = Find<QPushButton>(eds, "FinishButton");

  s.Get<QComboBox>("ComPort")->setCurrentIndex(1);
  const std::vector<char> before = other.ImageBytes();
  QTest::mouseClick(finish, Qt::LeftButton);
  const std::string from = module.device();
  EXPECT_EQ(s.boxes.boxes,
            (Boxes{{"The configuration was read from " + from + ", but " + other.device() +
                        " is selected now. Select " + from +
                        " again to write it, or connect to the module on the other port first.",
                    "Warning"}}));
  EXPECT_EQ(other.ImageBytes(), before);

  s.boxes.boxes.clear();
  s.Get<QComboBox>("ComPort")->setCurrentIndex(0);
  bool busyWhenPressedAgain = false;
  QTimer whileBusy;  // acts once, at the first turn of the event loop inside the download
  QObject::connect(&whileBusy, &QTimer::timeout, [&] {
    if (busyWhenPressedAgain || !(busyWhenPressedAgain = s.session.link.LinkBusy)) return;
    eds->Finish();  // what a second release over the button would run
    eds->close();
  });
  whileBusy.start(1);
  QTest::mouseClick(finish, Qt::LeftButton);
  FlushUnloads();

  EXPECT_TRUE(busyWhenPressedAgain);
  const std::string text =
      "Verification failed: block 0, offset 48: written 1114115 (0x00110003), "
      "read 1114114 (0x00110002)";
  EXPECT_EQ(s.boxes.boxes,
            (Boxes{{"Module is not be save finish !", "Q-4410C Utility", false, false},
                   {text, "Error"}}));
  EXPECT_EQ(s.Text("CommunicationState").rfind(text, 0), 0u);
  EXPECT_EQ(s.windows.edsWindow(), eds);
  EXPECT_FALSE(std::filesystem::exists(s.Path("COPn17.eds")));
}

// A message shown while a dialogue with the module runs must not hold it: the box stays on
// screen and Notify returns at once.
TEST(MessageBoxes, NotifyLeavesTheBoxOnScreenWithoutWaitingForOk) {
  QWidget parent;
  ui::QtMessageBoxes().Notify(&parent, "Module is not be save finish !", "Q-4410C Utility");
  auto* box = parent.findChild<QMessageBox*>();
  ASSERT_TRUE(box && box->isVisible() && !box->isModal());
}

}  // namespace
}  // namespace q4410::testing
