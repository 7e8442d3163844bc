// The grid the two Modbus viewers share: a heading row and one row per application object,
// read straight from the working table when the viewer loads.
#pragma once

#include <array>

#include "config/para_def.h"

class QTableWidget;
class QWidget;

namespace q4410::ui {

struct AppObjectGridLayout {
  const char* windowName;  // objectName of the window
  const char* title;       // window title
  const char* frame;       // caption of the frame round the grid
  const char* gridName;    // objectName of the grid
  std::array<const char*, 5> headings;
  std::array<double, 5> widthFactors;  // applied to the design column width
};

// Gives `window` its frame and grid and fills the grid from the table; returns the grid.
QTableWidget* BuildAppObjectViewer(QWidget* window, const ParaDef& rec,
                                   const AppObjectGridLayout& layout);

// The texts of grid row r (1..10) for object slot r - 1: instance number, address, kind name,
// start and length.
std::array<std::string, 5> AppObjectRowTexts(const ParaDef& rec, int row);

}  // namespace q4410::ui
