#pragma once

#include "runtime/ui/WindowDescription.h"

namespace tallowmere::platform {

// One character cell stands for 4 x 8 dialog units, which is about the shape of a dialog
// unit grid drawn in the font the windows were designed for.
inline constexpr int DialogUnitsPerColumn = 4;
inline constexpr int DialogUnitsPerRow = 8;

struct CellPoint {
  int column = 0;
  int row = 0;
  friend bool operator==(const CellPoint&, const CellPoint&) = default;
};

struct CellSize {
  int columns = 0;
  int rows = 0;
  friend bool operator==(const CellSize&, const CellSize&) = default;
};

struct CellRect {
  CellPoint origin;
  CellSize size;
  bool contains(CellPoint point) const;
  int right() const { return origin.column + size.columns; }  // one past the last column
  int bottom() const { return origin.row + size.rows; }       // one past the last row
};

int columnsFor(int dialogUnits);
int rowsFor(int dialogUnits);
CellPoint cellsFor(runtime::Point dialogUnits);
runtime::Point dialogUnitsFor(CellPoint cells);

// A framed window: a frame line on each side, the top one carrying the title bar.
CellSize clientSize(int widthInDialogUnits, int heightInDialogUnits);
CellSize outerSize(CellSize client);

// Where a box of size goes so that it is centred over area (the screen or another window).
CellPoint centredOver(const CellRect& area, CellSize size);
// The nearest origin that keeps the whole box on a screen of screen size; a box larger than
// the screen keeps its top left corner (and so its title bar) visible.
CellPoint clampedOnto(CellPoint origin, CellSize size, CellSize screen);

}  // namespace tallowmere::platform
