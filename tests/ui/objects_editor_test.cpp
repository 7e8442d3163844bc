// What the object editor adds to the table's rules: its lists, the key filter, the length
// limit per kind, which object is shown after a change, and leaving it.
#include <QLabel>

#include "tests/ui/window_session.h"

namespace q4410::testing {
namespace {

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.rec.ModuleAppObjects = {{"1", 0, 1, 8}, {"2", 1, 10, 2}};
    s.rec.ModuleAppObjectCount = 2;
    s.windows.OpenEditor();
    ASSERT_NE(s.windows.editor(), nullptr);
  }
  void Click(const char* name) { s.InEditor<QPushButton>(name)->click(); }
  QString Text(const char* name) { return s.InEditor<QLineEdit>(name)->text(); }
  void Type(const char* name, const QString& text) {
    s.InEditor<QLineEdit>(name)->clear();
    QTest::keyClicks(s.InEditor(name), text);
  }
  // A key as the keyboard delivers it, with the text it types.
  void Press(const char* name, Qt::Key key, const QString& text = {}) {
    QTest::sendKeyEvent(QTest::Click, s.InEditor(name), key, text, Qt::NoModifier);
  }
  QComboBox* Instance() { return s.InEditor<QComboBox>("Instance"); }

  WindowSession s;
};

TEST_F(EditorTest, KindListLabelsLengthLimitOfEachKindAndTheKeysTheFieldsTake) {
  EXPECT_EQ(Entries(s.InEditor<QComboBox>("MB_IO_type")),
            (QStringList{"  Write Digital Output (0x1x)", "  Write Analog  Output (0x4x)",
                         "  Read Digital Input  (0x0x)", "  Read Analog  Input  (0x3x)",
                         "  Read Digital Output (0x1x)", "  Read Analog  Output (0x4x)"}));
  EXPECT_EQ(s.InEditor<QLabel>("Label3")->text(), "Relay Address (1xxxx)");
  Type("MB_Comm_len", "12345");
  EXPECT_EQ(Text("MB_Comm_len"), "1234");
  Choose(s.InEditor<QComboBox>("MB_IO_type"), 3);
  EXPECT_EQ(Text("MB_Comm_len"), "");
  EXPECT_EQ(s.InEditor<QLabel>("Label3")->text(), "Register Address (3xxxx)");
  EXPECT_EQ(s.InEditor<QLabel>("Label4")->text(), "Data Length (Words)");
  Type("MB_Comm_len", "12345");
  EXPECT_EQ(Text("MB_Comm_len"), "123");

  // Only digits and Backspace reach the fields; the five other keys that type something beep.
  for (const char* field : {"MB_ID", "MB_Start_addr", "MB_Comm_len"}) {
    Type(field, "1a-2 .3x");
    EXPECT_EQ(Text(field), "123") << field;
    Press(field, Qt::Key_Backspace, "\b");
    EXPECT_EQ(Text(field), "12") << field;
    Press(field, Qt::Key_Left);  // types nothing: no beep
    // Delete types nothing either, though X11 hands it over with the text "\x7f".
    Press(field, Qt::Key_Delete, "\x7f");
    EXPECT_EQ(Text(field), "1") << field;
  }
  EXPECT_EQ(s.boxes.beeps, 3 * 5);
}

// After a change the editor shows the object changed or, after a delete, the one that moved
// into its place. "Back" forgets the changes, "Next" takes them on to the PDOs.
TEST_F(EditorTest, AddAndDeleteShowTheRightObjectBackDiscardsNextBuildsThePdos) {
  EXPECT_FALSE(s.InEditor("AddApp")->isVisible());
  Click("EraseMB");
  EXPECT_TRUE(s.InEditor("AddApp")->isVisible());
  Type("MB_ID", "007");
  Type("MB_Start_addr", "0010");
  Type("MB_Comm_len", "16");
  Click("AddApp");
  EXPECT_EQ(Entries(Instance()),
            (QStringList{"         Instance  1", "         Instance  2", "         Instance  3"}));
  EXPECT_EQ(Instance()->currentIndex(), 2);
  EXPECT_EQ(Text("MB_ID"), "7");
  EXPECT_EQ(Text("MB_Start_addr"), "10");
  Choose(Instance(), 1);
  Click("DeleteApp");
  EXPECT_EQ(Instance()->count(), 2);
  EXPECT_EQ(Instance()->currentIndex(), 1);
  EXPECT_EQ(Text("MB_ID"), "7");

  Click("Command2");  // Back
  FlushUnloads();
  EXPECT_EQ(s.windows.editor(), nullptr);
  EXPECT_TRUE(s.main->isVisible());
  s.windows.OpenEditor();
  Choose(Instance(), 1);
  EXPECT_EQ(Text("MB_ID"), "2");
  s.rec.AppObjectsUnchanged = true;
  Click("NextButton");
  EXPECT_FALSE(s.rec.AppObjectsUnchanged);
  EXPECT_EQ(s.rec.RxAnalogBytes, 4);
  EXPECT_NE(s.windows.edsWindow(), nullptr);
}

}  // namespace
}  // namespace q4410::testing
