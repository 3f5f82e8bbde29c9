#include "platform/terminal/CellGeometry.h"

#include <algorithm>

#include "platform/common/WindowStack.h"

namespace tallowmere::platform {

namespace {

// Rounds towards minus infinity, so a window just left of the screen maps to a negative
// cell rather than to cell 0.
int floorDivide(int value, int divisor) {
  const int quotient = value / divisor;
  return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

bool CellRect::contains(CellPoint point) const {
  return point.column >= origin.column && point.column < right() && point.row >= origin.row &&
         point.row < bottom();
}

int columnsFor(int dialogUnits) {
  return floorDivide(dialogUnits, DialogUnitsPerColumn);
}

int rowsFor(int dialogUnits) {
  return floorDivide(dialogUnits, DialogUnitsPerRow);
}

CellPoint cellsFor(runtime::Point dialogUnits) {
  return {columnsFor(dialogUnits.x), rowsFor(dialogUnits.y)};
}

runtime::Point dialogUnitsFor(CellPoint cells) {
  return {cells.column * DialogUnitsPerColumn, cells.row * DialogUnitsPerRow};
}

CellSize clientSize(int widthInDialogUnits, int heightInDialogUnits) {
  return {std::max(columnsFor(widthInDialogUnits), 1), std::max(rowsFor(heightInDialogUnits), 1)};
}

CellSize outerSize(CellSize client) {
  return {client.columns + 2, client.rows + 2};
}

CellPoint centredOver(const CellRect& area, CellSize size) {
  return {centredStart(area.origin.column, area.size.columns, size.columns),
          centredStart(area.origin.row, area.size.rows, size.rows)};
}

CellPoint clampedOnto(CellPoint origin, CellSize size, CellSize screen) {
  const int lastColumn = std::max(screen.columns - size.columns, 0);
  const int lastRow = std::max(screen.rows - size.rows, 0);
  return {std::clamp(origin.column, 0, lastColumn), std::clamp(origin.row, 0, lastRow)};
}

}  // namespace tallowmere::platform
