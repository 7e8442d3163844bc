#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <memory>

#include "tests/ui/objects_session.h"

namespace q4410 {
namespace {

using testing::RecordedBox;

class EditorTest : public ::testing::Test {
 protected:
  void TearDown() override {
    s_.reset();
    testing::ObjectsSession::FlushUnloads();
  }

  ui::IOAppObjSetModbus* Open() {
    s_->windows.OpenEditor();
    return s_->windows.editor();
  }

  template <typename T = QWidget>
  T* Get(const char* name) {
    T* child = s_->windows.editor()->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  void Click(const char* name) { Get<QPushButton>(name)->click(); }
  QString Text(const char* name) { return Get<QLineEdit>(name)->text(); }
  void Type(const char* name, const QString& text) {
    Get<QLineEdit>(name)->clear();
    testing::TypeKeys(Get<QLineEdit>(name), text);
  }
  void ChooseKind(int kind) {
    auto* list = Get<QComboBox>("MB_IO_type");
    list->setCurrentIndex(kind);
    emit list->activated(kind);
  }
  void ChooseInstance(int slot) {
    auto* list = Get<QComboBox>("Instance");
    list->setCurrentIndex(slot);
    emit list->activated(slot);
  }
  void Fill(const QString& addr, int kind, const QString& start, const QString& length) {
    ChooseKind(kind);
    Type("MB_ID", addr);
    Type("MB_Start_addr", start);
    Type("MB_Comm_len", length);
  }
  QStringList Instances() {
    QStringList entries;
    auto* list = Get<QComboBox>("Instance");
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
  }
  bool Seen(const char* name) { return Get(name)->isVisible(); }
  bool Enabled(const char* name) { return Get(name)->isEnabled(); }
  std::vector<RecordedBox>& Boxes() { return s_->boxes.boxes; }

  std::unique_ptr<testing::ObjectsSession> s_ = std::make_unique<testing::ObjectsSession>();
  ParaDef& rec_ = s_->rec;
};

TEST_F(EditorTest, OpensEmptyReadyForANewObject) {
  rec_.RxPdoClosed = 1;
  Open();
  EXPECT_TRUE(Instances().isEmpty());
  EXPECT_TRUE(Seen("AddApp"));
  EXPECT_FALSE(Seen("EraseMB"));
  EXPECT_FALSE(Enabled("UpdateApp"));
  EXPECT_FALSE(Enabled("DeleteApp"));
  EXPECT_EQ(Get<QLabel>("Label3")->text(), "Relay Address (1xxxx)");
  EXPECT_TRUE(Get<QCheckBox>("Check_RxPDOClosed")->isChecked());
  EXPECT_FALSE(Get<QCheckBox>("Check_TxPDOClosed")->isChecked());
}

TEST_F(EditorTest, OpensWithTheModuleObjectsAndTheFirstShown) {
  s_->SetModuleObjects({{"12", 3, 100, 2}, {"1", 0, 1, 10}});
  Open();
  EXPECT_EQ(Instances(), QStringList({"         Instance  1", "         Instance  2"}));
  EXPECT_EQ(Get<QComboBox>("Instance")->currentIndex(), 0);
  EXPECT_EQ(Text("MB_ID"), "12");
  EXPECT_EQ(Get<QComboBox>("MB_IO_type")->currentIndex(), 3);
  EXPECT_EQ(Text("MB_Start_addr"), "100");
  EXPECT_EQ(Text("MB_Comm_len"), "2");
  EXPECT_EQ(Get<QLabel>("Label3")->text(), "Register Address (3xxxx)");
  EXPECT_EQ(Get<QLabel>("Label4")->text(), "Data Length (Words)");
  EXPECT_FALSE(Seen("AddApp"));
  EXPECT_TRUE(Seen("EraseMB"));
  EXPECT_TRUE(Enabled("UpdateApp"));
  EXPECT_TRUE(Enabled("DeleteApp"));
}

TEST_F(EditorTest, OnlyDigitsAndBackspaceReachTheFieldsOthersBeep) {
  Open();
  int beeps = 0;
  for (const char* field : {"MB_ID", "MB_Start_addr", "MB_Comm_len"}) {
    Type(field, "1a-2 .3x");
    beeps += 5;
    EXPECT_EQ(Text(field), "123") << field;
    EXPECT_EQ(s_->boxes.beeps, beeps) << field;
    testing::PressKey(Get<QLineEdit>(field), Qt::Key_Backspace, "\b");
    EXPECT_EQ(Text(field), "12") << field;
    testing::PressKey(Get<QLineEdit>(field), Qt::Key_Left);  // types nothing: no beep
    EXPECT_EQ(s_->boxes.beeps, beeps) << field;
    // Delete types nothing either, though X11 hands it over with the text "\x7f".
    testing::PressKey(Get<QLineEdit>(field), Qt::Key_Delete, "\x7f");
    EXPECT_EQ(Text(field), "1") << field;
    EXPECT_EQ(s_->boxes.beeps, beeps) << field;
  }
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(EditorTest, TypingShowsEraseButAddStillCoversIt) {
  s_->SetModuleObjects({{"1", 0, 1, 8}});
  Open();
  Click("EraseMB");
  EXPECT_TRUE(Seen("AddApp"));
  EXPECT_FALSE(Seen("EraseMB"));
  EXPECT_EQ(Text("MB_ID"), "");
  Type("MB_ID", "5");
  EXPECT_TRUE(Seen("AddApp"));
  EXPECT_FALSE(Seen("EraseMB"));
}

TEST_F(EditorTest, LengthLimitFollowsTheKind) {
  Open();
  Type("MB_Comm_len", "12345");
  EXPECT_EQ(Text("MB_Comm_len"), "1234");
  ChooseKind(1);
  EXPECT_EQ(Text("MB_Comm_len"), "");
  EXPECT_EQ(Get<QLabel>("Label3")->text(), "Register Address (4xxxx)");
  Type("MB_Comm_len", "12345");
  EXPECT_EQ(Text("MB_Comm_len"), "123");
}

TEST_F(EditorTest, AddStoresTheNormalisedObjectAndSelectsIt) {
  rec_.AppObjectsUnchanged = true;
  Open();
  Fill("007", 2, "0010", "16");
  Click("AddApp");
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(rec_.AppObjectCount, 1);
  EXPECT_EQ(rec_.AppObjects[0], (AppObject{"7", 2, 10, 16}));
  EXPECT_EQ(Instances(), QStringList({"         Instance  1"}));
  EXPECT_EQ(Text("MB_ID"), "7");
  EXPECT_EQ(Text("MB_Start_addr"), "10");
  EXPECT_FALSE(Seen("AddApp"));
  EXPECT_TRUE(Seen("EraseMB"));
  EXPECT_TRUE(Enabled("UpdateApp"));
  EXPECT_TRUE(Enabled("DeleteApp"));
  EXPECT_FALSE(rec_.AppObjectsUnchanged);

  Click("EraseMB");
  Fill("1", 5, "1", "56");
  Click("AddApp");
  EXPECT_EQ(Boxes(), std::vector<RecordedBox>({{"Communication Length Error. (1-55)", "Error"}}));
  EXPECT_EQ(rec_.AppObjectCount, 1);
  EXPECT_TRUE(Seen("AddApp"));
}

TEST_F(EditorTest, DeletingTheMiddleOfThreeSelectsTheFormerThird) {
  s_->SetModuleObjects({{"1", 0, 1, 8}, {"2", 1, 10, 2}, {"3", 3, 20, 4}});
  Open();
  ChooseInstance(1);
  Click("DeleteApp");
  EXPECT_EQ(Instances(), QStringList({"         Instance  1", "         Instance  2"}));
  EXPECT_EQ(Get<QComboBox>("Instance")->currentIndex(), 1);
  EXPECT_EQ(Text("MB_ID"), "3");
  EXPECT_EQ(Text("MB_Start_addr"), "20");
  EXPECT_EQ(rec_.AppObjects[2], AppObject{});
  EXPECT_FALSE(rec_.AppObjectsUnchanged);
}

TEST_F(EditorTest, DeletingTheOnlyObjectLeavesEraseAsTheWayBack) {
  s_->SetModuleObjects({{"1", 3, 1, 8}});
  Open();
  Click("DeleteApp");
  EXPECT_TRUE(Instances().isEmpty());
  EXPECT_EQ(Text("MB_ID") + Text("MB_Start_addr") + Text("MB_Comm_len"), "");
  EXPECT_EQ(Get<QComboBox>("MB_IO_type")->currentIndex(), 0);
  EXPECT_EQ(rec_.AppObjectCount, 0);
  EXPECT_FALSE(Enabled("UpdateApp"));
  EXPECT_FALSE(Enabled("DeleteApp"));
  EXPECT_FALSE(Seen("AddApp"));
  EXPECT_TRUE(Seen("EraseMB"));
  Click("EraseMB");
  EXPECT_TRUE(Seen("AddApp"));
  EXPECT_FALSE(Enabled("UpdateApp"));
}

TEST_F(EditorTest, UpdateRightAfterAKindChangeFailsOnTheStartAddress) {
  s_->SetModuleObjects({{"1", 0, 1, 8}});
  rec_.AppObjectsUnchanged = true;
  Open();
  ChooseKind(3);
  Click("UpdateApp");
  EXPECT_EQ(Boxes(), std::vector<RecordedBox>({{"Regisiter Start Address Error. (1-9999)", "Error"},
                                               {"Failure!!!", "Update"}}));
  EXPECT_EQ(rec_.AppObjects[0], (AppObject{"1", 0, 1, 8}));
  EXPECT_TRUE(rec_.AppObjectsUnchanged);

  Boxes().clear();
  Type("MB_Start_addr", "5");
  Type("MB_Comm_len", "3");
  Click("UpdateApp");
  EXPECT_EQ(Boxes(), std::vector<RecordedBox>({{"Success!!!", "Update"}}));
  EXPECT_EQ(rec_.AppObjects[0], (AppObject{"1", 3, 5, 3}));
  EXPECT_FALSE(rec_.AppObjectsUnchanged);
}

TEST_F(EditorTest, BackDiscardsTheEditsAndTheNextOpenShowsTheModuleTable) {
  s_->SetModuleObjects({{"1", 0, 1, 8}});
  Open();
  Click("DeleteApp");
  Click("EraseMB");
  Fill("9", 1, "1", "1");
  Click("AddApp");
  ASSERT_EQ(rec_.AppObjects[0].DevAddr, "9");

  Click("Command2");
  testing::ObjectsSession::FlushUnloads();
  EXPECT_EQ(s_->windows.editor(), nullptr);
  ASSERT_NE(s_->windows.main(), nullptr);
  EXPECT_TRUE(s_->windows.main()->isVisible());
  EXPECT_EQ(rec_.AppObjectCount, 0);

  Open();
  EXPECT_EQ(Instances(), QStringList({"         Instance  1"}));
  EXPECT_EQ(Text("MB_ID"), "1");
  EXPECT_EQ(Text("MB_Comm_len"), "8");
}

TEST_F(EditorTest, CloseBoxLeavesLikeBack) {
  s_->SetModuleObjects({{"1", 0, 1, 8}});
  Open()->windowHandle()->close();
  testing::ObjectsSession::FlushUnloads();
  EXPECT_EQ(s_->windows.editor(), nullptr);
  ASSERT_NE(s_->windows.main(), nullptr);
  EXPECT_TRUE(s_->windows.main()->isVisible());
  EXPECT_EQ(rec_.AppObjectCount, 0);
}

TEST_F(EditorTest, CheckBoxesSetTheClosedFlags) {
  Open();
  Get<QCheckBox>("Check_RxPDOClosed")->click();
  EXPECT_EQ(rec_.RxPdoClosed, 1);
  EXPECT_EQ(rec_.TxPdoClosed, 0);
  Get<QCheckBox>("Check_TxPDOClosed")->click();
  Get<QCheckBox>("Check_RxPDOClosed")->click();
  EXPECT_EQ(rec_.RxPdoClosed, 0);
  EXPECT_EQ(rec_.TxPdoClosed, 1);
}

TEST_F(EditorTest, NextBuildsThePdosAndMovesOnToTheEdsWindow) {
  s_->SetModuleObjects({{"1", 3, 1, 4}});
  rec_.AppObjectsUnchanged = true;
  Open();
  Click("NextButton");
  EXPECT_FALSE(rec_.AppObjectsUnchanged);
  EXPECT_EQ(rec_.TxAnalogBytes, 8);
  EXPECT_EQ(rec_.TxPdoLast, 3);
  EXPECT_FALSE(s_->windows.editor()->isVisible());
  ASSERT_NE(s_->windows.edsWindow(), nullptr);
  EXPECT_TRUE(s_->windows.edsWindow()->isVisible());
}

TEST_F(EditorTest, ViewerButtonsOpenTheViewersPdoOnlyWithBytesToShow) {
  s_->SetModuleObjects({{"1", 0, 1, 10}});
  Open();
  Click("ShowMBInf");
  Click("ShowAssInf");
  Click("ShowAppInf");  // nothing counted yet
  ASSERT_NE(s_->windows.showModule(), nullptr);
  ASSERT_NE(s_->windows.showAppObj(), nullptr);
  EXPECT_TRUE(s_->windows.showModule()->isVisible());
  EXPECT_EQ(s_->windows.showPdo(), nullptr);

  rec_.RxDigitalBytes = 2;
  Click("ShowAppInf");
  ASSERT_NE(s_->windows.showPdo(), nullptr);
  EXPECT_TRUE(s_->windows.showPdo()->isVisible());
}

}  // namespace
}  // namespace q4410
