#include "platform/terminal/WindowFrame.h"

#include "runtime/ui/Window.h"

namespace tallowmere::platform {

namespace {
constexpr int CloseBoxWidth = 3;  // "[x]"
}

CellRect WindowFrame::closeBox() const {
  return {{outer.right() - 1 - CloseBoxWidth, outer.origin.row}, {CloseBoxWidth, 1}};
}

CellPoint WindowFrame::inClient(CellPoint screenPoint) const {
  const CellPoint origin = clientOrigin();
  return {screenPoint.column - origin.column, screenPoint.row - origin.row};
}

WindowFrame WindowFrame::of(const runtime::Window& window, CellSize screen) {
  const CellSize size = outerSizeOf(window);
  return {{clampedOnto(cellsFor(window.position()), size, screen), size}};
}

CellSize clientSizeOf(const runtime::Window& window) {
  return clientSize(window.width(), window.height());
}

CellSize outerSizeOf(const runtime::Window& window) {
  return outerSize(clientSizeOf(window));
}

}  // namespace tallowmere::platform
