// The CAN and COM views behind the port buttons, and "Setting" and "Set" in them.
#include <gtest/gtest.h>

#include <QRadioButton>

#include "config/lists.h"
#include "tests/ui/main_window_fixture.h"

namespace q4410::testing {
namespace {

struct ViewsTest : ::testing::Test {
  // What a connect to a configured module leaves in the record.
  void SetUp() override {
    s.rec.AppKind = 0;
    s.rec.NodeId = 42;
    s.rec.CanBaudCode = 4;
    s.rec.ComBaudCode = 7;
    s.rec.ComParity = 1;
    s.rec.ComStopBits = 2;
    s.rec.ComTimeoutMs = 300;
    s.rec.ComChecksum = ComChecksumOf(s.rec);
  }
  void PressPort(int index) { s.PortButton(index)->click(); }
  int Bottom(const char* name) {
    QWidget* w = s.Get(name);
    return w->mapTo(s.main, QPoint(0, w->height())).y();
  }
  int Top(const char* name) { return s.Get(name)->mapTo(s.main, QPoint(0, 0)).y(); }

  MainWindowSession s;
};

TEST_F(ViewsTest, ComViewShowsTheRecordAndMovesTheButtonsBelowIt) {
  QCoreApplication::processEvents();
  const int canViewHeight = s.main->height();
  PressPort(1);
  QCoreApplication::processEvents();
  EXPECT_EQ(s.main->height(), canViewHeight);  // the window does not jump
  EXPECT_EQ(s.main->SelectedPortButton(), 1);
  EXPECT_TRUE(s.PortButton(1)->pressedLook());
  EXPECT_EQ(s.PortButton(1)->background(), QColor(255, 0, 0));
  EXPECT_FALSE(s.PortButton(0)->pressedLook());
  EXPECT_EQ(s.PortButton(0)->background(), QColor(192, 192, 192));
  EXPECT_FALSE(s.Visible("ParaSetting"));
  EXPECT_FALSE(s.Visible("ParaView"));
  EXPECT_TRUE(s.Visible("COMParaSeteing"));
  EXPECT_TRUE(s.Visible("SettingCOMParameter"));

  EXPECT_EQ(s.Entries("ComBr"), ToStringList(kComBaudEntries));
  EXPECT_EQ(s.Entries("ComDb"), ToStringList(kComDataBitEntries));
  EXPECT_EQ(s.Entries("ComPb"), ToStringList(kComParityEntries));
  EXPECT_EQ(s.Entries("ComSb"), ToStringList(kComStopBitEntries));
  EXPECT_EQ(s.Current("ComBr"), "        115200   BPS");
  EXPECT_EQ(s.Current("ComPb"), "  EVEN");
  EXPECT_EQ(s.Current("ComSb"), "      2");
  EXPECT_EQ(s.Text("ComTimeout"), "300");
  EXPECT_EQ(s.Text("COMViewerText_0"), "115200   BPS");
  EXPECT_EQ(s.Text("COMViewerText_1"), "      8");  // as listed until "Set"
  EXPECT_EQ(s.Text("COMViewerText_2"), "EVEN");
  EXPECT_EQ(s.Text("COMViewerText_3"), "2");
  EXPECT_EQ(s.Text("COMViewerText_4"), "300 ms");

  EXPECT_GT(Top("CreateMBDevice"), Bottom("COMParaSeteing"));
  EXPECT_GT(Top("EixtProgram"), Bottom("COMParaView"));
}

TEST_F(ViewsTest, PortButtonPressedTwiceKeepsWhatWasEnteredThenCanViewTakesOver) {
  PressPort(1);
  s.Get<QComboBox>("ComBr")->setCurrentIndex(0);
  s.SetText("ComTimeout", "999");
  s.Get("COMParaSeteing")->hide();
  PressPort(1);
  EXPECT_TRUE(s.Visible("COMParaSeteing"));
  EXPECT_TRUE(s.PortButton(1)->pressedLook());
  EXPECT_EQ(s.Current("ComBr"), "            1200   BPS");  // not refilled
  EXPECT_EQ(s.Text("ComTimeout"), "999");
  EXPECT_EQ(s.rec.ComTimeoutMs, 300);

  PressPort(0);
  EXPECT_EQ(s.main->SelectedPortButton(), 0);
  EXPECT_FALSE(s.PortButton(1)->pressedLook());
  EXPECT_EQ(s.PortButton(1)->background(), QColor(192, 192, 192));
  EXPECT_TRUE(s.PortButton(0)->pressedLook());
  EXPECT_FALSE(s.Visible("COMParaSeteing"));
  EXPECT_FALSE(s.Visible("COMParaView"));
  EXPECT_TRUE(s.Visible("ParaSetting"));
  EXPECT_TRUE(s.Visible("CANBaudrate"));
  EXPECT_TRUE(s.Visible("ViewerText_2"));
  EXPECT_TRUE(s.Visible("SettingCANParameter"));
  EXPECT_EQ(s.Text("ViewerText_0"), "CANopen");
  EXPECT_EQ(s.Text("ViewerText_1"), "       250    KBPS");
  EXPECT_EQ(s.Text("ViewerText_2"), "42");
  EXPECT_EQ(s.Text("CANNodeId"), "42");
  EXPECT_GT(Top("CreateMBDevice"), Bottom("ParaSetting"));
  EXPECT_LT(Top("CreateMBDevice"), Bottom("ParaSetting") + 40);  // directly below
}

TEST_F(ViewsTest, SetValidatesTheTimeOutAndShowsTrimmedRows) {
  PressPort(1);
  s.SetText("ComTimeout", "32768");
  s.Get<QComboBox>("ComPb")->setCurrentIndex(2);
  s.Click("SettingCOMParameter");
  EXPECT_EQ(
      s.boxes.boxes,
      (std::vector<RecordedBox>{{"Timeout value is out of range!(1ms~32767ms)", "Error", false}}));
  EXPECT_EQ(s.rec.ComParity, 1);
  EXPECT_EQ(s.Text("COMViewerText_2"), "EVEN");
  EXPECT_EQ(s.Text("ComTimeout"), "32768");
  EXPECT_EQ(s.Text("CommunicationState"), "");

  s.SetText("ComTimeout", "250");
  s.Get<QComboBox>("ComBr")->setCurrentIndex(3);
  s.Get<QComboBox>("ComSb")->setCurrentIndex(0);
  s.Click("SettingCOMParameter");
  EXPECT_EQ(s.boxes.boxes.size(), 1u);
  EXPECT_EQ(s.rec.ComTimeoutMs, 250);
  EXPECT_EQ(s.rec.ComParity, 2);
  EXPECT_EQ(s.rec.ComChecksum, 165 + 8 + 2 + 1);
  EXPECT_EQ(s.Text("COMViewerText_0"), "9600   BPS");
  EXPECT_EQ(s.Text("COMViewerText_1"), "8");
  EXPECT_EQ(s.Text("COMViewerText_2"), "ODD");
  EXPECT_EQ(s.Text("COMViewerText_3"), "1");
  EXPECT_EQ(s.Text("COMViewerText_4"), "250 ms");
  EXPECT_EQ(s.Text("CommunicationState"), "Setting COM Parameter Ok");
}

TEST_F(ViewsTest, SettingValidatesTheNodeIdOfTheChosenApplication) {
  PressPort(0);
  s.SetText("CANNodeId", "128");
  s.Click("SettingCANParameter");
  s.Click("ApplicationSelect_1");
  s.SetText("CANNodeId", "64");
  s.Click("SettingCANParameter");
  EXPECT_EQ(s.boxes.boxes,
            (std::vector<RecordedBox>{{"Node ID is not supported!(1~127)", "Error", false},
                                      {"Node ID is not supported!(1~63)", "Error", false}}));
  EXPECT_EQ(s.rec.NodeId, 42);
  EXPECT_EQ(s.rec.AppKind, 0);
  EXPECT_EQ(s.Text("CANNodeId"), "64");  // the entry stays for correcting
  EXPECT_EQ(s.Text("ViewerText_2"), "42");

  // DeviceNet at 250 kbit/s: code 1, which the CANopen list shows as 20 kbit/s.
  s.SetText("CANNodeId", "12.5");
  s.Get<QComboBox>("CANBaudrate")->setCurrentIndex(1);
  s.Click("SettingCANParameter");
  EXPECT_EQ(s.rec.AppKind, 1);
  EXPECT_EQ(s.rec.NodeId, 12);
  EXPECT_EQ(s.rec.CanBaudCode, 1);
  EXPECT_EQ(s.Text("ViewerText_0"), "DeviceNet");
  EXPECT_EQ(s.Text("ViewerText_1"), "       250    KBPS");
  EXPECT_EQ(s.Text("ViewerText_2"), "12");
  EXPECT_EQ(s.Text("CommunicationState"), "Setting CAN Parameter Ok");
  s.rec.AppKind = 0;
  PressPort(1);
  PressPort(0);
  EXPECT_TRUE(s.Get<QRadioButton>("ApplicationSelect_0")->isChecked());
  EXPECT_EQ(s.Current("CANBaudrate"), "         20    KBPS");
}

TEST_F(ViewsTest, CanViewPutsRightWhatTheStoredApplicationDoesNotHave) {
  s.rec.AppKind = 1;
  s.rec.NodeId = 64;
  s.rec.CanBaudCode = 5;
  PressPort(0);
  EXPECT_TRUE(s.Get<QRadioButton>("ApplicationSelect_1")->isChecked());
  EXPECT_EQ(s.Entries("CANBaudrate"), ToStringList(kDevicenetBaudEntries));
  EXPECT_EQ(s.Text("ViewerText_0"), "DeviceNet");
  EXPECT_EQ(s.Text("ViewerText_1"), "       125    KBPS");
  EXPECT_EQ(s.Text("ViewerText_2"), "1");
  EXPECT_EQ(s.Text("CANNodeId"), "1");
  EXPECT_EQ(s.rec.NodeId, 1);
  EXPECT_EQ(s.rec.CanBaudCode, 0);
}

}  // namespace
}  // namespace q4410::testing
