#include "runtime/ui/WindowEngine.h"

#include <algorithm>

#include "runtime/core/PerThread.h"

namespace tallowmere::runtime {

WindowEngine& WindowEngine::current() {
  return perThread([] {
    thread_local WindowEngine engine;
    return &engine;
  });
}

WindowEngine::~WindowEngine() {
  for (Window* window : stack_) window->engine_ = nullptr;
}

void WindowEngine::open(Window& window) {
  if (window.isOpen()) return;
  if (Window* covered = active()) covered->post(Event::LoseFocus);
  stack_.push_back(&window);
  window.engine_ = this;
  window.refreshFromVariables();
  if (FrontEnd* screen = frontEnd()) screen->openWindow(window);
  window.post(Event::OpenWindow);
  window.post(Event::GainFocus);
}

void WindowEngine::close(Window& window) {
  auto found = std::find(stack_.begin(), stack_.end(), &window);
  if (found == stack_.end()) return;
  const bool wasActive = &window == active();
  stack_.erase(found);
  window.engine_ = nullptr;
  if (FrontEnd* screen = frontEnd()) screen->closeWindow(window);
  if (wasActive && active()) active()->post(Event::GainFocus);
}

Window* WindowEngine::active() const {
  return stack_.empty() ? nullptr : stack_.back();
}

std::optional<EventRecord> WindowEngine::accept() {
  while (Window* window = active()) {
    if (auto posted = window->takePosted()) return deliver(*window, *posted);
    FrontEnd* screen = frontEnd();
    if (!screen) return std::nullopt;
    draw(*window);
    const std::optional<Hundredths> deadline = window->timerDeadline();
    if (std::optional<Input> input = screen->waitForInput(*window, deadline)) {
      if (auto event = eventFor(*window, *input)) return deliver(*window, *event);
      continue;
    }
    const Hundredths now = screen->clock().now();
    if (deadline && now >= *deadline) {
      window->timerFired(now);
      return deliver(*window, {Event::Timer, 0});
    }
  }
  return std::nullopt;
}

bool WindowEngine::inputPending() const {
  Window* window = active();
  FrontEnd* screen = frontEnd();
  return window && screen && screen->inputPending(*window);
}

std::optional<EventRecord> WindowEngine::eventFor(Window& window, const Input& input) {
  keyCode_ = input.keyCode;
  const Control* control = window.control(input.control);
  const bool usable = control && control->canTakeInput();
  switch (input.kind) {
    case Input::Kind::Accept:
      if (!usable) return std::nullopt;
      window.select(input.control);
      window.toggle(input.control);
      return EventRecord{Event::Accepted, input.control};
    case Input::Kind::Select:
      if (!usable) return std::nullopt;
      window.select(input.control);
      return EventRecord{Event::Selected, input.control};
    case Input::Kind::CloseRequest:
    case Input::Kind::InputEnded:
      return EventRecord{Event::CloseWindow, 0};
    case Input::Kind::Move:
      window.moveTo(input.position);
      return std::nullopt;
    case Input::Kind::Resize:
      window.resize(input.width, input.height);
      return EventRecord{Event::Sized, 0};
    case Input::Kind::GainFocus:
      return EventRecord{Event::GainFocus, 0};
    case Input::Kind::LoseFocus:
      return EventRecord{Event::LoseFocus, 0};
    case Input::Kind::FilesGiven:
      if (input.files.empty()) return std::nullopt;
      window.givenFiles_ = input.files;
      return EventRecord{Event::FilesGiven, 0};
  }
  return std::nullopt;
}

EventRecord WindowEngine::deliver(Window& window, EventRecord record) {
  window.current_ = record;
  return record;
}

void WindowEngine::postToThread(Event event, int control) {
  if (Window* window = active()) window->post(event, control);
}

void WindowEngine::display(Window& window) {
  window.refreshFromVariables();
  draw(window);
}

void WindowEngine::draw(Window& window) {
  if (!window.isOpen() || !window.changedSinceDrawn()) return;
  if (FrontEnd* screen = frontEnd()) screen->drawWindow(window);
  window.changed_ = false;
}

void WindowEngine::beep() {
  if (FrontEnd* screen = frontEnd()) screen->beep();
}

}  // namespace tallowmere::runtime
