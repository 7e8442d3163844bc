// "Connect" against a simulated module on a pseudo-terminal: what the window shows for each
// kind of module and each way the connect can fail.
#include <gtest/gtest.h>

#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>

#include "config/lists.h"
#include "tests/ui/main_connect_fixture.h"

namespace q4410::testing {
namespace {

using Boxes = std::vector<RecordedBox>;

TEST(MainConnect, ConfiguredModuleShowsEveryStoredField) {
  ConnectedWindow w;
  ASSERT_TRUE(w.module.started());
  Store(w.module, StoredConfiguration());
  MainWindowSession& s = w.s;
  ASSERT_EQ(s.Current("ComPort"), w.module.device());
  s.Click("Connect");

  EXPECT_EQ(s.boxes.boxes, Boxes{});
  EXPECT_TRUE(s.main->ModuleConnected());
  EXPECT_FALSE(s.session.link.LinkBusy);
  EXPECT_FALSE(s.port.IsOpen());
  EXPECT_EQ(s.Text("CommunicationState"), "Waiting for configuration");
  EXPECT_EQ(s.Text("FirmwareVer"), "1.05-2008/03/12");
  EXPECT_FALSE(s.Visible("ConnectProgress"));
  EXPECT_TRUE(s.Visible("ModulesImage"));
  EXPECT_TRUE(s.Visible("Image5160_1"));
  EXPECT_FALSE(s.Visible("Image5160_0"));
  for (const char* shown : {"ComImage_0", "ComImage_1", "ComButton_1", "MousePoint_0",
                            "MousePoint_1", "ComCaption_0", "ComCaption_1"})
    EXPECT_TRUE(s.Visible(shown)) << shown;
  for (const char* enabled : {"Connect", "ComPort", "CreateMBDevice", "EixtProgram"})
    EXPECT_TRUE(s.Enabled(enabled)) << enabled;

  // The CAN view, its port button pressed.
  EXPECT_EQ(s.main->SelectedPortButton(), 0);
  EXPECT_TRUE(s.PortButton(0)->pressedLook());
  EXPECT_TRUE(s.Get<QRadioButton>("ApplicationSelect_0")->isChecked());
  EXPECT_EQ(s.Text("CANNodeId"), "42");
  EXPECT_EQ(s.Current("CANBaudrate"), "       250    KBPS");
  EXPECT_EQ(s.Text("ViewerText_0"), "CANopen");
  EXPECT_EQ(s.Text("ViewerText_1"), "       250    KBPS");
  EXPECT_EQ(s.Text("ViewerText_2"), "42");

  // The COM view.
  s.PortButton(1)->click();
  EXPECT_EQ(s.Text("COMViewerText_0"), "19200   BPS");
  EXPECT_EQ(s.Text("COMViewerText_2"), "ODD");
  EXPECT_EQ(s.Text("COMViewerText_3"), "2");
  EXPECT_EQ(s.Text("COMViewerText_4"), "500 ms");

  // Now "Next" leads on to the editor, the main window hidden.
  s.Click("CreateMBDevice");
  EXPECT_NE(s.windows.editor(), nullptr);
  EXPECT_FALSE(s.main->isVisible());
  s.windows.UnloadEditor();
  s.FlushUnloads();
}

TEST(MainConnect, BlankModuleConnectsWithTheDefaultsAndOneWarning) {
  ConnectedWindow w;
  ASSERT_TRUE(w.module.started());
  MainWindowSession& s = w.s;
  s.rec.NodeId = 99;  // whatever the record held before
  s.rec.ComTimeoutMs = 1234;
  s.Click("Connect");
  EXPECT_EQ(s.boxes.boxes, (Boxes{{"Some EEPROM Data is Error!", "Warnning", false}}));
  EXPECT_TRUE(s.main->ModuleConnected());
  EXPECT_TRUE(s.Enabled("CreateMBDevice"));
  EXPECT_EQ(s.Text("ViewerText_0"), "CANopen");
  EXPECT_EQ(s.Text("ViewerText_1"), "         10    KBPS");
  EXPECT_EQ(s.Text("ViewerText_2"), "1");
  s.PortButton(1)->click();
  EXPECT_EQ(s.Text("COMViewerText_0"), "9600   BPS");
  EXPECT_EQ(s.Text("COMViewerText_2"), "NONE");
  EXPECT_EQ(s.Text("COMViewerText_3"), "1");
  EXPECT_EQ(s.Text("COMViewerText_4"), "200 ms");
}

TEST(MainConnect, DeviceNetSelectionReadsItsOwnNodeIdRange) {
  {
    ConnectedWindow w;
    ASSERT_TRUE(w.module.started());
    Store(w.module, StoredDeviceNetConfiguration(50));
    w.s.Click("ApplicationSelect_1");
    w.s.Click("Connect");
    EXPECT_EQ(w.s.boxes.boxes, Boxes{});
    EXPECT_TRUE(w.s.Get<QRadioButton>("ApplicationSelect_1")->isChecked());
    EXPECT_EQ(w.s.Entries("CANBaudrate"), ToStringList(kDevicenetBaudEntries));
    EXPECT_EQ(w.s.Text("ViewerText_0"), "DeviceNet");
    EXPECT_EQ(w.s.Text("ViewerText_1"), "       500    KBPS");
    EXPECT_EQ(w.s.Text("ViewerText_2"), "50");
    // DeviceNet has no editor here: "Next" stays where it is.
    w.s.Click("CreateMBDevice");
    EXPECT_EQ(w.s.windows.editor(), nullptr);
    EXPECT_TRUE(w.s.main->isVisible());
  }
  ConnectedWindow w;
  ASSERT_TRUE(w.module.started());
  Store(w.module, StoredDeviceNetConfiguration(100));
  w.s.Click("ApplicationSelect_1");
  w.s.Click("Connect");
  EXPECT_EQ(w.s.boxes.boxes, (Boxes{{"Some2 EEPROM Data is Error!", "Warnning", false},
                                    {"Some EEPROM Data is Error!", "Warnning", false}}));
  EXPECT_TRUE(w.s.main->ModuleConnected());
  EXPECT_EQ(w.s.Text("ViewerText_0"), "DeviceNet");
  EXPECT_EQ(w.s.Text("ViewerText_2"), "1");
}

TEST(MainConnect, The5160rControllerHasItsOwnPicture) {
  sim::SimOptions options;
  options.controller = "5160r";
  ConnectedWindow w(options);
  ASSERT_TRUE(w.module.started());
  Store(w.module, StoredConfiguration());
  w.s.Click("Connect");
  EXPECT_EQ(w.s.boxes.boxes, Boxes{});
  EXPECT_EQ(w.s.rec.ModulePrompt, "5160r>");
  EXPECT_TRUE(w.s.Visible("Image5160_0"));
  EXPECT_FALSE(w.s.Visible("Image5160_1"));
}

TEST(MainConnect, SilentConsoleTimesOutAndReleasesTheLink) {
  sim::SimOptions options;
  options.silent = true;
  ConnectedWindow w(options);
  ASSERT_TRUE(w.module.started());
  MainWindowSession& s = w.s;
  s.Click("Connect");
  EXPECT_EQ(s.boxes.boxes, (Boxes{{"Timeout", "Error", false}}));
  EXPECT_EQ(s.Text("CommunicationState").rfind("Timeout: sent \"exit\"", 0), 0u);
  EXPECT_FALSE(s.main->ModuleConnected());
  EXPECT_FALSE(s.session.link.LinkBusy);
  EXPECT_FALSE(s.port.IsOpen());
  EXPECT_FALSE(s.Visible("ConnectProgress"));
  EXPECT_FALSE(s.Visible("ModulesImage"));
  for (const char* enabled : {"Connect", "ComPort", "EixtProgram", "CreateMBDevice"})
    EXPECT_TRUE(s.Enabled(enabled)) << enabled;
  s.Click("CreateMBDevice");
  EXPECT_EQ(s.windows.editor(), nullptr);
  EXPECT_EQ(s.Text("CommunicationState"), "Connect Q-4410C First");
}

// A configuration belongs to the module it was read from: a connect that fails, even before
// the port opens, ends the connection before it, with every window that showed its data.
TEST(MainConnect, FailedConnectAfterAGoodOneLeavesNothingToEditOrWrite) {
  ConnectedWindow w;
  ASSERT_TRUE(w.module.started());
  Store(w.module, StoredConfiguration());
  MainWindowSession& s = w.s;
  s.Click("Connect");
  ASSERT_TRUE(s.main->ModuleConnected());
  EXPECT_EQ(s.main->ConnectedPort(), w.module.device());
  s.windows.OpenShowModule();

  QtSerialPort other;
  ASSERT_TRUE(other.Open(w.module.device()).ok());
  s.Click("Connect");
  const std::string occupied = w.module.device() + " has been occupied";
  EXPECT_EQ(s.boxes.boxes, (Boxes{{occupied, "Error", false}}));
  EXPECT_EQ(s.Text("CommunicationState"), occupied);
  EXPECT_FALSE(s.session.link.LinkBusy);
  EXPECT_TRUE(s.Enabled("Connect"));
  EXPECT_FALSE(s.main->ModuleConnected());
  EXPECT_EQ(s.main->ConnectedPort(), "");
  EXPECT_EQ(s.main->SelectedPortButton(), 3);
  EXPECT_EQ(s.windows.showModule(), nullptr);
  for (const char* hidden : {"ModulesImage", "ViewerText_2", "CANNodeId", "ComButton_0"})
    EXPECT_FALSE(s.Visible(hidden)) << hidden;
  EXPECT_EQ(s.Text("FirmwareVer"), "");
  s.Click("CreateMBDevice");
  EXPECT_EQ(s.windows.editor(), nullptr);
  EXPECT_EQ(s.Text("CommunicationState"), "Connect Q-4410C First");
  s.FlushUnloads();
}

TEST(MainConnect, ClicksDuringAConnectChangeNothing) {
  ConnectedWindow w;
  ASSERT_TRUE(w.module.started());
  Store(w.module, StoredConfiguration());
  MainWindowSession& s = w.s;
  bool busyMeanwhile = false;
  bool closedMeanwhile = true;
  bool nextEnabledMeanwhile = true;
  QTimer whileBusy;  // acts once, at the first turn of the event loop inside the connect
  QObject::connect(&whileBusy, &QTimer::timeout, s.main, [&] {
    if (busyMeanwhile || !(busyMeanwhile = s.session.link.LinkBusy)) return;
    nextEnabledMeanwhile = s.Enabled("CreateMBDevice");
    s.main->Connect_Click();  // the second click
    s.Click("Connect");       // and on the disabled button
    closedMeanwhile = s.main->close();
  });
  whileBusy.start(1);
  s.Click("Connect");
  ASSERT_TRUE(busyMeanwhile) << "the connect ended before the second click";
  EXPECT_FALSE(nextEnabledMeanwhile);
  EXPECT_FALSE(closedMeanwhile);
  // The refusal does not wait for OK, so the connect goes on to the end.
  EXPECT_EQ(s.boxes.boxes, (Boxes{{"Module is connecting now!", "Error", false, false}}));
  EXPECT_TRUE(s.main->ModuleConnected());
  EXPECT_EQ(s.Text("ViewerText_2"), "42");
  EXPECT_TRUE(s.main->isVisible());
}

}  // namespace
}  // namespace q4410::testing
