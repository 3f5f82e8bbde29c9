// Where a native window stands on the desktop, and at what scale: the place decides the
// monitor, the monitor the scale, and the scale the window's font, size and place in pixels.

#include "platform/common/UserInput.h"
#include "platform/common/WindowStack.h"
#include "platform/win32ui/Monitors.h"
#include "platform/win32ui/NativeWindow.h"

namespace tallowmere::platform {

SIZE NativeWindow::frameSize(const DialogFont& font, UINT dpi) const {
  RECT frame{0, 0, font.xToPixels(window_.width()), font.yToPixels(window_.height())};
  adjustFrame(frame, static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE)),
              static_cast<DWORD>(GetWindowLongW(handle_, GWL_EXSTYLE)), dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void NativeWindow::fitFrame() {
  const SIZE size = frameSize(font_, dpi_);
  SetWindowPos(handle_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The old font goes on leaving, once every control has the new one.
void NativeWindow::rescale(UINT dpi) {
  DialogFont old(window_.font(), dpi);
  std::swap(font_, old);
  dpi_ = dpi;
  controls_.layOut(window_, font_, dpi_);
}

POINT NativeWindow::designedPlace(std::optional<runtime::Point> position, const RECT& below) const {
  if (position) return {font_.xToPixels(position->x), font_.yToPixels(position->y)};
  RECT frame{};
  GetWindowRect(handle_, &frame);
  return {centredStart(below.left, below.right - below.left, frame.right - frame.left),
          centredStart(below.top, below.bottom - below.top, frame.bottom - frame.top)};
}

void NativeWindow::moveFrame(POINT to) {
  placing_ = true;
  SetWindowPos(handle_, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  placing_ = false;
}

// A place that would leave the window off its monitor's work area (kept from a monitor that
// is gone, or from a smaller scale) gives way to the nearest one on it.
bool NativeWindow::keepOnWorkArea() {
  RECT frame{};
  GetWindowRect(handle_, &frame);
  const POINT kept = keptOnWorkArea(frame);
  if (kept.x == frame.left && kept.y == frame.top) return false;
  moveFrame(kept);
  return true;
}

runtime::Point NativeWindow::framePlace() const {
  RECT frame{};
  GetWindowRect(handle_, &frame);
  return {font_.xToUnits(frame.left), font_.yToUnits(frame.top)};
}

runtime::Point NativeWindow::place(std::optional<runtime::Point> position, const RECT& below) {
  moveFrame(designedPlace(position, below));
  if (const UINT dpi = dpiOfWindow(handle_); dpi != dpi_) {
    rescale(dpi);
    fitFrame();
    moveFrame(designedPlace(position, below));
  }
  // A place taken as it was given stays as given, so that rounding cannot creep it away.
  placed_ = keepOnWorkArea() || !position ? framePlace() : *position;
  return *placed_;
}

// Only a place the program chose (a restored place) moves the window: one the user chose it is
// at already, and the program may not have heard of it yet.
void NativeWindow::moveTo(runtime::Point position) {
  if (placed_ == position) return;
  placed_ = position;
  moveFrame({font_.xToPixels(position.x), font_.yToPixels(position.y)});
  // Where the window could not go, the program hears where it went instead.
  if (keepOnWorkArea()) notePlace();
}

// The place in dialog units changes with the font even where the pixels stay; the program
// hears of it unless it is placing the window itself.
void NativeWindow::moveOntoScale(UINT dpi, const RECT& suggested) {
  const bool programPlacing = placing_;
  rescale(dpi);
  placing_ = true;
  SetWindowPos(handle_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  placing_ = programPlacing;
  if (!programPlacing) notePlace();
}

// Showing the window reports where it already is; reported later than a restored place,
// that would put the window back.
void NativeWindow::notePlace() {
  const runtime::Point at = framePlace();
  if (placed_ == at) return;
  placed_ = at;
  inputs_.push(platform::moveTo(at));
}

}  // namespace tallowmere::platform
