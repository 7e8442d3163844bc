// What the EDS window refuses around a download, against a simulated module that does not take
// one word as typed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>

#include "tests/ui/window_session.h"

namespace q4410::testing {
namespace {

// The configuration goes only into the module it was read from. Neither a second Finish nor
// the close box stops the download: the refusal does not wait for OK, and the download goes
// on to the verification, which names the word in a message and the status line; no EDS file
// is written and the EDS window stays for another try.
TEST(Download, RefusedOnAnotherPortNotStoppedWhileItRunsAndItsVerificationFailureNamed) {
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
  auto* finish = s.InEds<QPushButton>("FinishButton");

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
  EXPECT_TRUE(finish->isEnabled());

  s.boxes.boxes.clear();
  s.boxes.notifyForReal = true;
  s.Get<QComboBox>("ComPort")->setCurrentIndex(0);
  bool busyWhenPressedAgain = false;
  bool refusalOnScreenWithoutWaiting = false;
  bool waitedForOk = false;
  QTimer whileBusy;  // acts once, at the first turn of the event loop inside the download
  QObject::connect(&whileBusy, &QTimer::timeout, [&] {
    if (busyWhenPressedAgain || !(busyWhenPressedAgain = s.session.link.LinkBusy)) return;
    eds->Finish();  // what a second release over the button would run
    // A box that waited for OK would hold the download here: answer it so the test ends.
    QTimer::singleShot(500, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        waitedForOk = true;
        modal->close();
      }
    });
    eds->close();
    auto* refusal = eds->findChild<QMessageBox*>();
    refusalOnScreenWithoutWaiting = refusal && refusal->isVisible() && !refusal->isModal();
  });
  whileBusy.start(1);
  QTest::mouseClick(finish, Qt::LeftButton);
  FlushUnloads();

  EXPECT_TRUE(busyWhenPressedAgain);
  EXPECT_TRUE(refusalOnScreenWithoutWaiting);
  EXPECT_FALSE(waitedForOk);
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

}  // namespace
}  // namespace q4410::testing
