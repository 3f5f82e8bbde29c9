#include "runtime/ui/Window.h"

#include <algorithm>
#include <utility>

#include "runtime/ui/FrontEnd.h"
#include "runtime/ui/WindowEngine.h"

namespace tallowmere::runtime {

namespace {

constexpr int ProgressMaximum = 100;

template <typename Controls>
auto* findIn(Controls& controls, int number) {
  auto found = std::find_if(controls.begin(), controls.end(),
                            [number](const Control& control) { return control.number() == number; });
  return found == controls.end() ? nullptr : &*found;
}

}  // namespace

Window::Window(const WindowDescription& description)
    : caption_(description.caption),
      font_(description.font),
      position_(description.position),
      width_(description.width),
      height_(description.height),
      resizable_(description.resizable),
      progressRole_(description.progress) {
  controls_.reserve(description.controls.size());
  for (const ControlDescription& control : description.controls) controls_.emplace_back(control);
}

Window::~Window() {
  if (engine_) engine_->close(*this);
}

void Window::setCaption(std::string caption) {
  caption_ = std::move(caption);
  touch();
}

void Window::moveTo(Point position) {
  position_ = position;
  touch();
}

void Window::resize(int width, int height) {
  if (!resizable_) return;
  width_ = width;
  height_ = height;
  touch();
}

void Window::setMaximized(bool maximized) {
  maximized_ = maximized && resizable_;
  touch();
}

void Window::setMinimized(bool minimized) {
  minimized_ = minimized;
  touch();
}

Control* Window::findControl(int number) { return findIn(controls_, number); }

const Control* Window::control(int number) const { return findIn(controls_, number); }

std::string Window::text(int control) const {
  const Control* found = this->control(control);
  return found ? found->text : std::string();
}

void Window::setText(int control, std::string text) {
  if (Control* found = findControl(control)) {
    found->text = std::move(text);
    touch();
  }
}

void Window::setEnabled(int control, bool enabled) {
  if (Control* found = findControl(control)) {
    found->enabled = enabled;
    touch();
  }
}

void Window::setVisible(int control, bool visible) {
  if (Control* found = findControl(control)) {
    found->visible = visible;
    touch();
  }
}

void Window::select(int control) {
  if (!findControl(control)) return;
  focus_ = control;
  touch();
}

void Window::refreshFromVariables() {
  for (Control& control : controls_) {
    const std::uint8_t* variable = control.design.variable;
    if (!variable) continue;
    if (control.kind() == ControlKind::CheckBox) control.checked = *variable != 0;
    if (control.kind() == ControlKind::ProgressBar) {
      control.value = std::min<int>(*variable, ProgressMaximum);
    }
  }
  touch();
}

void Window::toggle(int control) {
  Control* found = findControl(control);
  if (!found || found->kind() != ControlKind::CheckBox) return;
  found->checked = !found->checked;
  if (found->design.variable) *found->design.variable = found->checked ? 1 : 0;
  touch();
}

void Window::setTimer(int period) {
  timerPeriod_ = std::max(period, 0);
  timerDeadline_ = clock().now();
}

std::optional<Hundredths> Window::timerDeadline() const {
  if (timerPeriod_ == 0) return std::nullopt;
  return timerDeadline_;
}

void Window::timerFired(Hundredths now) {
  timerDeadline_ = now + timerPeriod_;
  ++timerEvents_;
}

void Window::post(Event event, int control) { posted_.push_back({event, control}); }

void Window::notify(const Notification& notification) {
  notifications_.push_back(notification);
  post(Event::Notify);
}

std::optional<Notification> Window::takeNotification() {
  if (notifications_.empty()) return std::nullopt;
  Notification next = notifications_.front();
  notifications_.pop_front();
  return next;
}

std::optional<EventRecord> Window::takePosted() {
  if (posted_.empty()) return std::nullopt;
  EventRecord next = posted_.front();
  posted_.pop_front();
  return next;
}

}  // namespace tallowmere::runtime
