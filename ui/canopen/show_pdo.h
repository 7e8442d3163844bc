// ShowPDO: the receive and transmit PDOs that the current application objects produce, with
// their default communication parameters and the texts of their eight mapping entries.
#pragma once

#include <QWidget>
#include <string>

#include "ui/common/session.h"

class QTabBar;
class QTableWidget;

namespace q4410::ui {

// Default COB-ID of PDO p (counted from 0) of a node, as upper-case hexadecimal; PDOs from
// number 8 on have no default and show "80000000".
std::string DefaultCobIdText(bool receive, int pdo, int nodeId);

class ShowPDO : public QWidget {
  Q_OBJECT
 public:
  // Rebuilds the PDO mapping from the working table, then shows the "Receive PDO" tab.
  explicit ShowPDO(Session& session, QWidget* parent = nullptr);

 private:
  // Rebuilds the grid for the direction of the selected tab.
  void PDOParaTableTag_Click();

  Session& session_;
  QTabBar* tabs_ = nullptr;
  QTableWidget* grid_ = nullptr;
};

}  // namespace q4410::ui
