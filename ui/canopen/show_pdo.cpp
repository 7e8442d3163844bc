#include "ui/canopen/show_pdo.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "canopen/pdo_builder.h"
#include "config/numbers.h"

namespace q4410::ui {

namespace {

constexpr int kColumns = 13;
constexpr int kFirstMappingColumn = 5;
constexpr int kRowHeight = 24;
constexpr std::array<const char*, kColumns> kHeadings{
    "PDO NO.",   "COB-ID (Hex)", "Transmission Type", "Inhibit Time", "Event Timer",
    "Mapping 0", "Mapping 1",    "Mapping 2",         "Mapping 3",    "Mapping 4",
    "Mapping 5", "Mapping 6",    "Mapping 7"};

double WidthFactor(int column) {
  if (column == 0) return 0.8;
  if (column == 1) return 1.2;
  if (column == 2) return 1.6;
  if (column >= kFirstMappingColumn) return 1.7;
  return 1;
}

void SetCell(QTableWidget* grid, int row, int column, const std::string& text) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  const bool mapping = row > 0 && column >= kFirstMappingColumn;
  item->setTextAlignment(mapping ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
  item->setFlags(Qt::ItemIsEnabled);
  if (row == 0) item->setBackground(grid->palette().button());
  grid->setItem(row, column, item);
}

}  // namespace

std::string DefaultCobIdText(bool receive, int pdo, int nodeId) {
  if (pdo < 0 || pdo >= 8) return "80000000";
  const unsigned base = pdo < 4 ? (receive ? 0x200u : 0x180u) : (receive ? 0x240u : 0x1C0u);
  return Hex(base + static_cast<unsigned>(nodeId) + 0x100u * static_cast<unsigned>(pdo % 4));
}

ShowPDO::ShowPDO(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName("ShowPDO");
  setWindowTitle("Rx/TxPDO Parameters");

  tabs_ = new QTabBar;
  tabs_->setObjectName("PDOParaTableTag");
  tabs_->addTab("Receive PDO");
  tabs_->addTab("Transmit PDO");
  tabs_->setExpanding(false);

  grid_ = new QTableWidget;
  grid_->setObjectName("PDOParaRecord");
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setFocusPolicy(Qt::NoFocus);
  grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);

  auto* frame = new QGroupBox("Setting Result");
  frame->setObjectName("Frame6");
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(grid_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(frame, 1);

  // A click on either tab rebuilds the grid, the selected one included.
  connect(tabs_, &QTabBar::currentChanged, this, &ShowPDO::PDOParaTableTag_Click);
  connect(tabs_, &QTabBar::tabBarClicked, this, [this](int index) {
    if (index == tabs_->currentIndex()) PDOParaTableTag_Click();
  });

  BuildPdoMapping(session_.rec);
  tabs_->setCurrentIndex(0);
  PDOParaTableTag_Click();
  // Wide enough for the parameters and the first mapping entries, tall enough for the
  // longer direction (up to a screenful); the grid scrolls for the rest.
  const int rows = std::min(std::max(session_.rec.RxPdoLast, session_.rec.TxPdoLast) + 2, 16);
  grid_->setMinimumHeight(rows * kRowHeight + 2 * grid_->frameWidth() +
                          grid_->horizontalScrollBar()->sizeHint().height());
  resize(1100, minimumSizeHint().height());
  CentreOnScreen(this);
}

void ShowPDO::PDOParaTableTag_Click() {
  const ParaDef& rec = session_.rec;
  const bool receive = tabs_->currentIndex() != 1;
  const std::vector<PdoRecord>& table = receive ? rec.RxPdoTable : rec.TxPdoTable;
  const int last =
      std::clamp(receive ? rec.RxPdoLast : rec.TxPdoLast, 0, static_cast<int>(table.size()) - 1);

  grid_->clear();
  grid_->setRowCount(0);
  grid_->setColumnCount(0);
  grid_->setRowCount(last + 2);
  grid_->setColumnCount(kColumns);
  const int defaultWidth = grid_->horizontalHeader()->defaultSectionSize();
  for (int column = 0; column < kColumns; ++column) {
    grid_->setColumnWidth(column,
                          static_cast<int>(std::lround(defaultWidth * WidthFactor(column))));
    SetCell(grid_, 0, column, kHeadings[column]);
  }
  if (last <= 0) return;
  const std::string reserved = receive ? "Reversed" : "0";
  for (int p = 0; p <= last; ++p) {
    const int row = p + 1;
    SetCell(grid_, row, 0, Decimal(p + 1));
    SetCell(grid_, row, 1, DefaultCobIdText(receive, p, rec.NodeId));
    SetCell(grid_, row, 2, "255");
    SetCell(grid_, row, 3, reserved);
    SetCell(grid_, row, 4, reserved);
    for (int entry = 0; entry < 8; ++entry)
      SetCell(grid_, row, kFirstMappingColumn + entry, table[p].Mapping[entry]);
  }
}

}  // namespace q4410::ui
