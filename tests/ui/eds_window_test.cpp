// The EDS window: what Finish hands the download, and what it refuses around one.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QMessageBox>
#include <QTimer>
#include <array>
#include <filesystem>
#include <tuple>

#include "tests/ui/window_session.h"

namespace q4410::testing {
namespace {

TEST(EdsWindow, FinishHandsTheFolderTheCheckBoxAndTheDescriptionToTheDownload) {
  WindowSession s;
  s.session.flow = nullptr;  // the window on its own, with no port selection to check
  ui::COPEDS_F window(s.session);
  using Request = std::tuple<std::string, bool, std::array<std::string, 2>>;
  std::vector<Request> requests;
  window.runDownload = [&](ParaDef& rec, Link&, const DownloadRequest& request, DialogueObserver&) {
    requests.emplace_back(request.edsDirectory, request.verify, rec.EdsInfoText);
    return DownloadOutcome{};
  };
  window.findChild<QLineEdit*>("EDSInfo_0")->setText("Pump station 3");
  window.findChild<QLineEdit*>("EDSInfo_1")->setText("J. Doe");
  auto* finish = window.findChild<QPushButton*>("FinishButton");
  finish->click();
  window.findChild<QCheckBox*>("VerifyAfterDownload")->click();
  finish->click();
  const std::string folder = s.session.edsDirectory;
  const std::array<std::string, 2> info{"Pump station 3", "J. Doe"};
  EXPECT_EQ(requests, (std::vector<Request>{{folder, true, info}, {folder, false, info}}));
}

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
  parent.show();
  ui::QtMessageBoxes().Notify(&parent, "Module is not be save finish !", "Q-4410C Utility");
  auto* box = parent.findChild<QMessageBox*>();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible() && !box->isModal());
}

}  // namespace
}  // namespace q4410::testing
