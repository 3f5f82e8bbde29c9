#include "platform/common/UserInput.h"

namespace tallowmere::platform {

using Kind = runtime::Input::Kind;

namespace {

runtime::Input inputOf(Kind kind, int control = 0, int keyCode = 0) {
  runtime::Input input;
  input.kind = kind;
  input.control = control;
  input.keyCode = keyCode;
  return input;
}

}  // namespace

runtime::Input press(int control, int keyCode) {
  return inputOf(Kind::Accept, control, keyCode);
}

runtime::Input focusOn(int control, int keyCode) {
  return inputOf(Kind::Select, control, keyCode);
}

runtime::Input closeWindow(int keyCode) {
  return inputOf(Kind::CloseRequest, 0, keyCode);
}

runtime::Input inputEnded() {
  return inputOf(Kind::InputEnded);
}

runtime::Input filesGiven(std::vector<std::string> files) {
  runtime::Input input = inputOf(Kind::FilesGiven);
  input.files = std::move(files);
  return input;
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
