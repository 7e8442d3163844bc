// The main window before any connect: its load, the application options, "Next", the port
// buttons' views and the close query.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>

#include "config/lists.h"
#include "tests/ui/main_window_fixture.h"

namespace q4410::testing {
namespace {

TEST(MainWindow, LoadShowsTheNotConnectedLayout) {
  MainWindowSession s;
  EXPECT_EQ(s.main->windowTitle(), "General Setting");
  EXPECT_EQ(s.main->SelectedPortButton(), 3);
  EXPECT_FALSE(s.main->ModuleConnected());
  // The application options and the empty CAN frames are there, nothing of a module.
  EXPECT_TRUE(s.Visible("ParaSetting"));
  EXPECT_TRUE(s.Visible("ParaView"));
  EXPECT_TRUE(s.Visible("ApplicationSelect_0"));
  EXPECT_TRUE(s.Get<QRadioButton>("ApplicationSelect_0")->isChecked());
  EXPECT_FALSE(s.Get<QRadioButton>("ApplicationSelect_1")->isChecked());
  for (const char* hidden :
       {"CANBaudrate", "CANNodeId", "ParaSettingC0_0", "ParaSettingC0_1", "ViewerC0_2",
        "ViewerText_0", "SettingCANParameter", "COMParaSeteing", "COMParaView",
        "SettingCOMParameter", "ConnectProgress", "ModulesImage", "Image5160_0", "Image5160_1",
        "ComButton_0", "ComButton_1", "ComImage_1", "MousePoint_0", "ComCaption_1"})
    EXPECT_FALSE(s.Visible(hidden)) << hidden;
  EXPECT_TRUE(s.Visible("CreateMBDevice"));
  EXPECT_TRUE(s.Visible("EixtProgram"));
  EXPECT_EQ(s.Text("CommunicationState"), "");
  EXPECT_EQ(s.Text("FirmwareVer"), "");
  EXPECT_EQ(s.Entries("CANBaudrate"), ToStringList(kCanopenBaudEntries));

  // Captions as the user reads them.
  EXPECT_EQ(s.Get<QAbstractButton>("CreateMBDevice")->text(), "Next");
  EXPECT_EQ(s.Get<QAbstractButton>("EixtProgram")->text(), "Exit Program");
  EXPECT_EQ(s.Get<QAbstractButton>("SettingCOMParameter")->text(), "Set");
  EXPECT_EQ(s.Get<QLabel>("MousePoint_1")->text(), "COM2");
  EXPECT_EQ(s.Get<QLabel>("ComCaption_1")->text(), "RS-485");
  EXPECT_EQ(s.Get<QLabel>("Label1")->text(), "( Default: 200 ms )");
  EXPECT_EQ(s.Get<QLabel>("ComSetting_9")->text(), "Timeout");
  ASSERT_NE(s.main->findChild<QAction*>("ExitProgram"), nullptr);
  EXPECT_EQ(s.main->findChild<QAction*>("ExitProgram")->text(), "E&xit");
  ASSERT_NE(s.main->findChild<QAction*>("About_"), nullptr);
  EXPECT_EQ(s.main->findChild<QAction*>("About_")->text(), "&About");
}

TEST(MainWindow, LoadPutsTheRecordIntoItsStartUpStateAndListsThePortsGivenFirst) {
  MainWindowSession s({"/dev/q4410-first", "/dev/q4410-second"});
  EXPECT_EQ(s.session.link.ComPorts.at(0), "/dev/q4410-first");
  EXPECT_EQ(s.session.link.ComPorts.at(1), "/dev/q4410-second");
  EXPECT_LE(s.session.link.ComPorts.size(), 10u);
  EXPECT_EQ(s.Entries("ComPort").size(), static_cast<qsizetype>(s.session.link.ComPorts.size()));
  EXPECT_EQ(s.Current("ComPort"), "/dev/q4410-first");
  EXPECT_EQ(s.rec.AppKind, 0);
  EXPECT_EQ(s.rec.NodeId, 1);
  EXPECT_EQ(s.rec.CanBaudCode, 0);
  EXPECT_FALSE(s.session.link.LinkBusy);
}

TEST(MainWindow, ApplicationOptionsFillTheBaudListAndStoreNothing) {
  MainWindowSession s;
  s.rec.CanBaudCode = 2;
  s.Click("ApplicationSelect_1");
  EXPECT_EQ(s.Entries("CANBaudrate"), ToStringList(kDevicenetBaudEntries));
  EXPECT_EQ(s.Get<QComboBox>("CANBaudrate")->currentIndex(), 0);
  EXPECT_FALSE(s.Get<QRadioButton>("ApplicationSelect_0")->isChecked());
  s.Click("ApplicationSelect_1");  // again: still the three rates, once each
  EXPECT_EQ(s.Entries("CANBaudrate"), ToStringList(kDevicenetBaudEntries));
  s.Click("ApplicationSelect_0");
  EXPECT_EQ(s.Entries("CANBaudrate"), ToStringList(kCanopenBaudEntries));
  EXPECT_EQ(s.rec.AppKind, 0);
  EXPECT_EQ(s.rec.CanBaudCode, 2);
}

TEST(MainWindow, NextBeforeAConnectBlinksTheHint) {
  MainWindowSession s;
  s.Click("CreateMBDevice");
  EXPECT_EQ(s.Text("CommunicationState"), "Connect Q-4410C First");
  EXPECT_TRUE(s.StatusBold());
  s.Click("CreateMBDevice");
  EXPECT_FALSE(s.StatusBold());
  s.Click("CreateMBDevice");
  EXPECT_TRUE(s.StatusBold());
  EXPECT_EQ(s.windows.editor(), nullptr);
  EXPECT_TRUE(s.main->isVisible());

  // With DeviceNet chosen "Next" does nothing at all.
  s.SetText("CommunicationState", "");
  s.Click("ApplicationSelect_1");
  s.Click("CreateMBDevice");
  EXPECT_EQ(s.Text("CommunicationState"), "");
  EXPECT_TRUE(s.StatusBold());
  EXPECT_EQ(s.windows.editor(), nullptr);
  EXPECT_TRUE(s.boxes.boxes.empty());
}

TEST(MainWindow, ConnectWithoutAnyPortSaysSo) {
  MainWindowSession s;
  s.Get<QComboBox>("ComPort")->clear();
  s.Click("Connect");
  EXPECT_EQ(s.boxes.boxes, (std::vector<RecordedBox>{{"No serial port found!", "Error", false}}));
  EXPECT_FALSE(s.session.link.LinkBusy);
  EXPECT_TRUE(s.Enabled("Connect"));
}

TEST(MainWindow, ExitQueryAnsweredNoKeepsEverything) {
  MainWindowSession s;
  s.rec.Block0Image = {1, 2, 3};
  s.rec.Block2Image = {4};
  s.rec.ModuleAppObjects = {AppObject{"5", 3, 1, 4}};
  s.rec.ModuleAppObjectCount = 1;
  s.windows.OpenShowModule();
  s.Click("EixtProgram");
  EXPECT_EQ(s.boxes.boxes,
            (std::vector<RecordedBox>{{"Are you sure to exit this program?", "Exit Query", true}}));
  EXPECT_TRUE(s.main->isVisible());
  EXPECT_EQ(s.rec.Block0Image.size(), 3u);
  EXPECT_EQ(s.rec.ModuleAppObjects.size(), 1u);
  EXPECT_NE(s.windows.showModule(), nullptr);

  // Yes, through the menu: the tables are emptied and the other windows unloaded.
  s.boxes.answers = {true};
  s.main->findChild<QAction*>("ExitProgram")->trigger();
  EXPECT_EQ(s.boxes.boxes.size(), 2u);
  EXPECT_FALSE(s.main->isVisible());
  EXPECT_TRUE(s.rec.Block0Image.empty());
  EXPECT_TRUE(s.rec.Block2Image.empty());
  EXPECT_TRUE(s.rec.ModuleAppObjects.empty());
  EXPECT_TRUE(s.rec.AppObjects.empty());
  EXPECT_EQ(s.windows.showModule(), nullptr);
  s.FlushUnloads();
}

TEST(MainWindow, AboutOpensOneModelessWindowThatClosesItself) {
  MainWindowSession s;
  s.main->findChild<QAction*>("About_")->trigger();
  s.main->findChild<QAction*>("About_")->trigger();
  QWidget* about = s.main->findChild<QWidget*>("About");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(s.main->findChildren<QWidget*>("About").size(), 1);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(about->isModal());
  EXPECT_TRUE(about->findChild<QLabel*>("AboutText")->text().contains("Ver. 1.2.0, Jun 2014"));
  about->findChild<QAbstractButton*>("AboutClose")->click();
  s.FlushUnloads();
  EXPECT_EQ(s.main->findChild<QWidget*>("About"), nullptr);
}

}  // namespace
}  // namespace q4410::testing
