// The typical configuration through the windows, against a simulated module: connect, change
// the settings, add an object, download, and read it all back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>

#include "config/eeprom_image.h"
#include "sim/image_report.h"
#include "tests/ui/main_connect_fixture.h"

namespace q4410::testing {
namespace {

// What a module holds when it was configured without application objects.
ParaDef StoredWithoutObjects() {
  ParaDef stored = StoredConfiguration();
  stored.AppObjectCount = 0;
  stored.AppObjects = std::vector<AppObject>(kMaxAppObjects);
  stored.TxAnalogBytes = 0;
  return stored;
}

// Decodes what the simulated module now keeps, as a connect would.
ParaDef Decoded(const SimulatedModule& module) {
  ParaDef rec;
  const auto store = sim::EepromStore::Open(module.imagePath());
  EXPECT_TRUE(store && sim::DecodeStoredImage(*store, rec) == sim::StoredImage::Read);
  return rec;
}

class RoundTrip : public ::testing::Test {
 protected:
  virtual sim::SimOptions Options() const { return {}; }
  void SetUp() override {
    window = std::make_unique<ConnectedWindow>(Options());
    ASSERT_TRUE(window->module.started());
    Store(window->module, StoredWithoutObjects());
    s().session.edsDirectory = edsDir.path().toStdString();
    s().Click("Connect");
    ASSERT_TRUE(s().main->ModuleConnected());
  }
  MainWindowSession& s() { return window->s; }
  SimulatedModule& module() { return window->module; }

  template <typename T = QWidget>
  T* InEditor(const char* name) {
    auto* editor = s().windows.editor();
    T* widget = editor ? editor->findChild<T*>(name) : nullptr;
    if (!widget) ADD_FAILURE() << "editor control " << name << " not found";
    return widget;
  }
  template <typename T = QWidget>
  T* InEds(const char* name) {
    auto* eds = s().windows.edsWindow();
    T* widget = eds ? eds->findChild<T*>(name) : nullptr;
    if (!widget) ADD_FAILURE() << "EDS window control " << name << " not found";
    return widget;
  }

  // "Next" in the main window, then the object device 1 "Read AI" start 1 length 4, then "Next".
  void EditAndGoOn() {
    s().Click("CreateMBDevice");
    ASSERT_NE(s().windows.editor(), nullptr);
    auto* kinds = InEditor<QComboBox>("MB_IO_type");
    kinds->setCurrentIndex(3);
    emit kinds->activated(3);
    InEditor<QLineEdit>("MB_ID")->setText("1");
    InEditor<QLineEdit>("MB_Start_addr")->setText("1");
    InEditor<QLineEdit>("MB_Comm_len")->setText("4");
    InEditor<QPushButton>("AddApp")->click();
    InEditor<QPushButton>("NextButton")->click();
    ASSERT_NE(s().windows.edsWindow(), nullptr);
  }
  void ReleaseMouseOnFinish() {
    QTest::mouseClick(InEds<QPushButton>("FinishButton"), Qt::LeftButton);
  }

  QTemporaryDir edsDir;
  std::unique_ptr<ConnectedWindow> window;
};

TEST_F(RoundTrip, TypicalConfigurationGoesIntoTheModuleAndComesBack) {
  s().SetText("CANNodeId", "17");
  s().Click("SettingCANParameter");
  s().main->ComButton_MouseDown(1);
  s().SetText("ComTimeout", "750");
  s().Click("SettingCOMParameter");
  EditAndGoOn();
  InEds<QLineEdit>("EDSInfo_0")->setText("Pump station 3");
  ReleaseMouseOnFinish();
  MainWindowSession::FlushUnloads();

  const std::string written = edsDir.path().toStdString() + "/COPn17.eds";
  EXPECT_EQ(
      s().boxes.boxes,
      (std::vector<RecordedBox>{
          {"The module is configured and its EDS file is written:\n" + written, "Information"}}));
  EXPECT_EQ(s().Text("CommunicationState"), "Produce .EDS file is OK: " + written);
  EXPECT_EQ(s().windows.edsWindow(), nullptr);
  EXPECT_TRUE(s().main->isVisible());
  EXPECT_FALSE(s().session.link.LinkBusy);

  const ParaDef stored = Decoded(module());
  EXPECT_FALSE(stored.EepromDataError);
  EXPECT_EQ(stored.NodeId, 17);
  EXPECT_EQ(stored.CanBaudCode, 4);
  EXPECT_EQ(stored.ComTimeoutMs, 750);
  EXPECT_EQ(stored.ComBaudCode, 4);
  ASSERT_EQ(stored.ModuleAppObjectCount, 1);
  EXPECT_EQ(stored.ModuleAppObjects[0], (AppObject{"1", 3, 1, 4}));
  EXPECT_EQ(stored.TxAnalogBytes, 4);                   // registers
  EXPECT_EQ(module().Word(2, 8), 3u << 24 | 3u << 16);  // last PDO 3 both ways

  const auto eds = std::filesystem::path(edsDir.path().toStdString()) / "COPn17.eds";
  ASSERT_TRUE(std::filesystem::exists(eds));
  std::ifstream file(eds, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), {});
  EXPECT_NE(text.find("Description=Pump station 3\r\n"), std::string::npos);

  s().Click("Connect");
  EXPECT_EQ(s().Text("CANNodeId"), "17");
  s().main->ComButton_MouseDown(1);
  EXPECT_EQ(s().Text("ComTimeout"), "750");
}

// The editor keeps its edits whichever way the user comes back to it.
TEST_F(RoundTrip, EditsSurviveBackAndTheEdsWindowsCloseBox) {
  EditAndGoOn();
  InEds<QPushButton>("BackButton")->click();
  MainWindowSession::FlushUnloads();
  EXPECT_EQ(s().windows.edsWindow(), nullptr);
  ASSERT_NE(s().windows.editor(), nullptr);
  EXPECT_TRUE(s().windows.editor()->isVisible());
  EXPECT_FALSE(s().main->isVisible());  // as after "Next"
  EXPECT_EQ(InEditor<QComboBox>("Instance")->count(), 1);

  InEditor<QPushButton>("NextButton")->click();
  s().windows.edsWindow()->close();
  MainWindowSession::FlushUnloads();
  ASSERT_TRUE(s().main->isVisible());
  s().Click("CreateMBDevice");
  ASSERT_NE(s().windows.editor(), nullptr);
  EXPECT_TRUE(s().windows.editor()->isVisible());
  EXPECT_EQ(InEditor<QComboBox>("Instance")->count(), 1);
  EXPECT_EQ(InEditor<QLineEdit>("MB_Comm_len")->text(), "4");
}

// Neither a second Finish nor the close box stops the download: the refusal does not wait
// for OK, and the module ends up holding every word the download meant to write.
TEST_F(RoundTrip, SecondFinishAndCloseDuringTheDownloadAreRefusedWithoutStoppingIt) {
  EditAndGoOn();
  s().boxes.notifyForReal = true;
  ui::COPEDS_F* eds = s().windows.edsWindow();
  bool busyWhenPressedAgain = false;
  bool secondReturnedAtOnce = false;
  bool refusalOnScreenWithoutWaiting = false;
  bool waitedForOk = false;
  QTimer whileBusy;  // acts once, at the first turn of the event loop inside the download
  QObject::connect(&whileBusy, &QTimer::timeout, [&] {
    if (busyWhenPressedAgain || !(busyWhenPressedAgain = s().session.link.LinkBusy)) return;
    eds->Finish();  // what a second release over the button would run
    secondReturnedAtOnce = s().session.link.LinkBusy;
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
  ReleaseMouseOnFinish();
  MainWindowSession::FlushUnloads();

  EXPECT_TRUE(busyWhenPressedAgain);
  EXPECT_TRUE(secondReturnedAtOnce);
  EXPECT_TRUE(refusalOnScreenWithoutWaiting);
  EXPECT_FALSE(waitedForOk);
  const std::string written = edsDir.path().toStdString() + "/COPn42.eds";
  EXPECT_EQ(
      s().boxes.boxes,
      (std::vector<RecordedBox>{
          {"Module is not be save finish !", "Q-4410C Utility", false, false},
          {"The module is configured and its EDS file is written:\n" + written, "Information"}}));
  EXPECT_EQ(s().Text("CommunicationState"), "Produce .EDS file is OK: " + written);
  for (int i = 0; i < 29; ++i)
    EXPECT_EQ(module().Word(0, kBlock0FirstOffset + 4 * i), s().rec.Block0Image[i]) << i;
  for (int k = 0; k < 4; ++k) EXPECT_EQ(module().Word(2, 4 * k), s().rec.Block2Image[k]) << k;
}

// The configuration goes only into the module it was read from.
TEST_F(RoundTrip, DownloadAfterThePortSelectionChangedIsRefusedAndWritesNothing) {
  SimulatedModule other;
  ASSERT_TRUE(other.started());
  s().session.link.ComPorts.push_back(other.device());
  auto* ports = s().Get<QComboBox>("ComPort");
  ports->addItem(QString::fromStdString(other.device()));
  EditAndGoOn();
  ports->setCurrentIndex(ports->count() - 1);
  const std::vector<char> before = other.ImageBytes();
  ReleaseMouseOnFinish();

  const std::string from = module().device();
  EXPECT_EQ(s().boxes.boxes,
            (std::vector<RecordedBox>{{"The configuration was read from " + from + ", but " +
                                           other.device() + " is selected now. Select " + from +
                                           " again to write it, or connect to the module on "
                                           "the other port first.",
                                       "Warning"}}));
  EXPECT_EQ(other.ImageBytes(), before);
  EXPECT_FALSE(s().session.link.LinkBusy);
  ASSERT_NE(s().windows.edsWindow(), nullptr);
  EXPECT_TRUE(InEds<QPushButton>("FinishButton")->isEnabled());
}

// A console that answers the 50 lines of the connect, then the download's "/q", "exit", ".",
// "exit" and "use eeprom", and nothing more.
class RoundTripDying : public RoundTrip {
 protected:
  sim::SimOptions Options() const override {
    sim::SimOptions options;
    options.dieAfterLines = 55;
    return options;
  }
};

TEST_F(RoundTripDying, ConsoleDyingAfterUseEepromLeavesTheWindowOpenWithBothButtonsEnabled) {
  EditAndGoOn();
  ReleaseMouseOnFinish();
  MainWindowSession::FlushUnloads();
  ASSERT_NE(s().windows.edsWindow(), nullptr);
  EXPECT_EQ(s().boxes.boxes, (std::vector<RecordedBox>{{"Timeout", "Q-4410C Utility", false}}));
  EXPECT_EQ(s().Text("CommunicationState").rfind("Timeout: sent \"", 0), 0u);
  EXPECT_TRUE(InEds<QPushButton>("FinishButton")->isEnabled());
  EXPECT_TRUE(InEds<QPushButton>("BackButton")->isEnabled());
  EXPECT_FALSE(s().session.link.LinkBusy);
  EXPECT_FALSE(
      std::filesystem::exists(std::filesystem::path(edsDir.path().toStdString()) / "COPn42.eds"));
}

}  // namespace
}  // namespace q4410::testing
