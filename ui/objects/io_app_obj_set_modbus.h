// IOAppObjSetModbus: the editor of the CANopen application's Modbus application objects. It
// edits the working table of the record (the module itself is written only by the download);
// the checks and messages live in config/app_object_table.
#pragma once

#include <QWidget>

#include "config/app_object_table.h"
#include "ui/common/session.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace q4410::ui {

class IOAppObjSetModbus : public QWidget {
  Q_OBJECT
 public:
  explicit IOAppObjSetModbus(Session& session, QWidget* parent = nullptr);

  // Validates the entry fields and stores them into slot k of the working table; shows the
  // first failing check's message and returns false when they are refused.
  bool ApplicationObj(int k);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void Load();

  void AddApp_Click();
  void DeleteApp_Click();
  void UpdateApp_Click();
  void EraseMB_Click();
  void Instance_Click();
  void MB_IO_type_Click();
  void NextButton_Click();
  void Command2_Click();
  void ShowAppInf_Click();

  AppObjectFields Fields() const;
  void ShowMessages(const TableResult& result);
  void AddInstanceEntry(int instance);
  void SelectInstance(int slot);
  void SelectKind(int kind);
  // "ADD" and "Erase" share one place; while "ADD" is shown it covers "Erase".
  void SetAddShown(bool shown);
  void SetEraseShown(bool shown);
  void SetUpdateDeleteEnabled(bool enabled);

  Session& session_;
  bool addShown_ = false;
  bool eraseShown_ = false;

  QComboBox* instance_ = nullptr;
  QPushButton* addApp_ = nullptr;
  QPushButton* deleteApp_ = nullptr;
  QPushButton* eraseMB_ = nullptr;
  QPushButton* updateApp_ = nullptr;
  QLabel* label3_ = nullptr;
  QLabel* label4_ = nullptr;
  QLineEdit* mbId_ = nullptr;
  QComboBox* mbIoType_ = nullptr;
  QLineEdit* mbStartAddr_ = nullptr;
  QLineEdit* mbCommLen_ = nullptr;
  QCheckBox* checkRx_ = nullptr;
  QCheckBox* checkTx_ = nullptr;
};

}  // namespace q4410::ui
