// The typical configuration through the windows, against a simulated module: connect, change
// the settings, add an object, download, and read it all back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>

#include "sim/image_report.h"
#include "tests/support/simulated_module.h"
#include "tests/ui/window_session.h"

namespace q4410::testing {
namespace {

class RoundTrip : public ::testing::Test {
 protected:
  void Start(sim::SimOptions options = {}) {
    module = std::make_unique<SimulatedModule>(sim::ExampleImage(), options);
    ASSERT_TRUE(module->started());
    s = std::make_unique<WindowSession>(std::vector<std::string>{module->device()});
    s->session.edsDirectory = edsDir.path().toStdString();
    s->Click("Connect");
    ASSERT_TRUE(s->main->ModuleConnected());
  }
  // "Next" in the main window, the object device 1 "Read AI" start 7 length 4 added, "Next".
  void EditAndGoOn() {
    s->Click("CreateMBDevice");
    ASSERT_NE(s->windows.editor(), nullptr);
    s->InEditor<QPushButton>("EraseMB")->click();
    Choose(s->InEditor<QComboBox>("MB_IO_type"), 3);
    s->InEditor<QLineEdit>("MB_ID")->setText("1");
    s->InEditor<QLineEdit>("MB_Start_addr")->setText("7");
    s->InEditor<QLineEdit>("MB_Comm_len")->setText("4");
    s->InEditor<QPushButton>("AddApp")->click();
    s->InEditor<QPushButton>("NextButton")->click();
    ASSERT_NE(s->windows.edsWindow(), nullptr);
  }
  void Finish() { QTest::mouseClick(s->InEds<QPushButton>("FinishButton"), Qt::LeftButton); }
  std::string Eds(int node) {
    std::ifstream file(edsDir.filePath("COPn%1.eds").arg(node).toStdString(), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
  }

  QTemporaryDir edsDir;
  std::unique_ptr<SimulatedModule> module;
  std::unique_ptr<WindowSession> s;
};

TEST_F(RoundTrip, TypicalConfigurationGoesIntoTheModuleAndComesBack) {
  Start();
  s->SetText("CANNodeId", "17");
  s->Click("SettingCANParameter");
  s->PressPort(1);
  s->SetText("ComTimeout", "750");
  s->Click("SettingCOMParameter");
  EditAndGoOn();
  s->InEds<QLineEdit>("EDSInfo_0")->setText("Pump station 3");
  Finish();
  FlushUnloads();

  const std::string written = edsDir.path().toStdString() + "/COPn17.eds";
  EXPECT_EQ(s->boxes.boxes,
            (Boxes{{"The module is configured and its EDS file is written:\n" + written,
                    "Information"}}));
  EXPECT_EQ(s->Text("CommunicationState"), "Produce .EDS file is OK: " + written);
  EXPECT_EQ(s->windows.edsWindow(), nullptr);
  EXPECT_TRUE(s->main->isVisible());
  EXPECT_EQ(module->Word(0, 48), 0x00110003u);  // node 17, 125 kbit/s
  EXPECT_EQ(module->Word(0, 64), 0x02EE5500u);  // 750 ms, 19200 8E1
  EXPECT_EQ(module->Word(0, 56) & 0xFFu, 3u);   // three objects, the third one added
  EXPECT_EQ(module->Word(0, 84), 0x01030000u);
  EXPECT_EQ(module->Word(0, 88), 0x00070004u);
  EXPECT_NE(Eds(17).find("Description=Pump station 3\r\n"), std::string::npos);

  s->Click("Connect");
  EXPECT_EQ(s->Text("CANNodeId"), "17");
  s->PressPort(1);
  EXPECT_EQ(s->Text("ComTimeout"), "750");
}

// Neither a second Finish nor the close box stops the download: the refusal does not wait
// for OK, and the module ends up holding every word the download meant to write.
TEST_F(RoundTrip, SecondFinishAndCloseDuringTheDownloadAreRefusedWithoutStoppingIt) {
  Start();
  EditAndGoOn();
  s->boxes.notifyForReal = true;
  ui::COPEDS_F* eds = s->windows.edsWindow();
  bool busyWhenPressedAgain = false;
  bool refusalOnScreenWithoutWaiting = false;
  bool waitedForOk = false;
  QTimer whileBusy;  // acts once, at the first turn of the event loop inside the download
  QObject::connect(&whileBusy, &QTimer::timeout, [&] {
    if (busyWhenPressedAgain || !(busyWhenPressedAgain = s->session.link.LinkBusy)) return;
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
  Finish();
  FlushUnloads();

  EXPECT_TRUE(busyWhenPressedAgain);
  EXPECT_TRUE(refusalOnScreenWithoutWaiting);
  EXPECT_FALSE(waitedForOk);
  const std::string written = edsDir.path().toStdString() + "/COPn5.eds";
  EXPECT_EQ(s->boxes.boxes,
            (Boxes{{"Module is not be save finish !", "Q-4410C Utility", false, false},
                   {"The module is configured and its EDS file is written:\n" + written,
                    "Information"}}));
  EXPECT_EQ(s->Text("CommunicationState"), "Produce .EDS file is OK: " + written);
  EXPECT_EQ(module->Word(0, 88), 0x00070004u);  // the last object, written
}

// The configuration goes only into the module it was read from.
TEST_F(RoundTrip, DownloadAfterThePortSelectionChangedIsRefusedAndWritesNothing) {
  Start();
  SimulatedModule other;
  ASSERT_TRUE(other.started());
  s->session.link.ComPorts.push_back(other.device());
  auto* ports = s->Get<QComboBox>("ComPort");
  ports->addItem(QString::fromStdString(other.device()));
  EditAndGoOn();
  ports->setCurrentIndex(ports->count() - 1);
  const std::vector<char> before = other.ImageBytes();
  Finish();

  const std::string from = module->device();
  EXPECT_EQ(s->boxes.boxes,
            (Boxes{{"The configuration was read from " + from + ", but " + other.device() +
                        " is selected now. Select " + from +
                        " again to write it, or connect to the module on the other port first.",
                    "Warning"}}));
  EXPECT_EQ(other.ImageBytes(), before);
  EXPECT_FALSE(s->session.link.LinkBusy);
  EXPECT_TRUE(s->InEds<QPushButton>("FinishButton")->isEnabled());
}

// A word the module does not take as typed: the verification names it in a message and the
// status line, no EDS file is written and the EDS window stays for another try.
TEST_F(RoundTrip, AWordTheModuleDidNotTakeIsNamedAndNoEdsFileIsWritten) {
  sim::SimOptions corrupt;
  corrupt.corruptBlock = 0;
  corrupt.corruptOffset = 48;  // node ID and CAN baud
  Start(corrupt);
  s->SetText("CANNodeId", "17");
  s->Click("SettingCANParameter");
  EditAndGoOn();
  Finish();
  FlushUnloads();
  const std::string text =
      "Verification failed: block 0, offset 48: written 1114115 (0x00110003), "
      "read 1114114 (0x00110002)";
  EXPECT_EQ(s->boxes.boxes, (Boxes{{text, "Error"}}));
  EXPECT_EQ(s->Text("CommunicationState").rfind(text, 0), 0u);
  EXPECT_NE(s->windows.edsWindow(), nullptr);
  EXPECT_EQ(Eds(17), "");
}

}  // namespace
}  // namespace q4410::testing
