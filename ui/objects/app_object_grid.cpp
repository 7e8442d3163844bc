#include "ui/objects/app_object_grid.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <string>

#include "config/numbers.h"
#include "config/object_kinds.h"
#include "ui/common/session.h"

namespace q4410::ui {

namespace {

constexpr int kRows = kMaxAppObjects + 1;  // heading row and ten objects
constexpr int kColumns = 5;
constexpr int kDesignColumnWidth = 90;
constexpr int kRowHeight = 24;

void SetCell(QTableWidget* grid, int row, int column, const std::string& text) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setTextAlignment(Qt::AlignCenter);
  item->setFlags(Qt::ItemIsEnabled);
  if (row == 0) item->setBackground(grid->palette().button());
  grid->setItem(row, column, item);
}

}  // namespace

std::array<std::string, 5> AppObjectRowTexts(const ParaDef& rec, int row) {
  const AppObject& object = rec.AppObjects.at(row - 1);
  const KindTraits* kind = KindOf(object.Kind);
  return {Decimal(row), DefaultRendering(DevAddrNumber(object)),
          kind ? std::string(kind->shortName) : std::string(), DefaultRendering(object.Start),
          DefaultRendering(object.Length)};
}

QTableWidget* BuildAppObjectViewer(QWidget* window, const ParaDef& rec,
                                   const AppObjectGridLayout& layout) {
  window->setObjectName(layout.windowName);
  window->setWindowTitle(layout.title);

  auto* grid = new QTableWidget;
  grid->setObjectName(layout.gridName);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setFocusPolicy(Qt::NoFocus);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);

  grid->setRowCount(kRows);
  grid->setColumnCount(kColumns);
  grid->clearContents();
  int width = 0;
  for (int column = 0; column < kColumns; ++column) {
    const int columnWidth =
        static_cast<int>(std::lround(kDesignColumnWidth * layout.widthFactors[column]));
    grid->setColumnWidth(column, columnWidth);
    width += columnWidth;
    SetCell(grid, 0, column, layout.headings[column]);
  }
  const int count = std::min(rec.AppObjectCount, static_cast<int>(rec.AppObjects.size()));
  for (int row = 1; row <= count; ++row) {
    const auto texts = AppObjectRowTexts(rec, row);
    for (int column = 0; column < kColumns; ++column) SetCell(grid, row, column, texts[column]);
  }
  const int frameWidth = 2 * grid->frameWidth();
  grid->setFixedSize(width + frameWidth, kRows * kRowHeight + frameWidth);

  auto* frame = new QGroupBox(layout.frame);
  frame->setObjectName("Frame1");
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(grid);
  auto* windowLayout = new QVBoxLayout(window);
  windowLayout->addWidget(frame);
  windowLayout->setSizeConstraint(QLayout::SetFixedSize);

  window->adjustSize();
  CentreOnScreen(window);
  return grid;
}

}  // namespace q4410::ui
