#include "platform/headless/HeadlessScript.h"

#include <utility>

namespace tallowmere::platform {

using Kind = runtime::Input::Kind;

namespace {

runtime::Input inputOf(Kind kind, int control = 0) {
  runtime::Input input;
  input.kind = kind;
  input.control = control;
  return input;
}

}  // namespace

When inWindow(std::string caption, long timerEvents) {
  When when;
  when.window = std::move(caption);
  when.timerEvents = timerEvents;
  return when;
}

When atTime(runtime::Hundredths time) {
  When when;
  when.at = time;
  return when;
}

runtime::Input press(int control) {
  return inputOf(Kind::Accept, control);
}

runtime::Input focusOn(int control) {
  return inputOf(Kind::Select, control);
}

runtime::Input closeWindow() {
  return inputOf(Kind::CloseRequest);
}

runtime::Input gainFocus() {
  return inputOf(Kind::GainFocus);
}

runtime::Input loseFocus() {
  return inputOf(Kind::LoseFocus);
}

runtime::Input resizeTo(int width, int height) {
  runtime::Input input = inputOf(Kind::Resize);
  input.width = width;
  input.height = height;
  return input;
}

runtime::Input moveTo(runtime::Point position) {
  runtime::Input input = inputOf(Kind::Move);
  input.position = position;
  return input;
}

}  // namespace tallowmere::platform
