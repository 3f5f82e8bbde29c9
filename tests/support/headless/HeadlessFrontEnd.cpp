#include "support/headless/HeadlessFrontEnd.h"

#include <algorithm>

#include "platform/common/DialogKeys.h"
#include "runtime/ui/Halt.h"

namespace tallowmere::platform {

namespace {

WindowDrawing drawingOf(const runtime::Window& window) {
  WindowDrawing drawing;
  drawing.caption = window.caption();
  drawing.focus = window.focus();
  for (const runtime::Control& control : window.controls()) {
    drawing.texts[control.number()] = control.text;
    if (!control.visible) drawing.hidden.insert(control.number());
    if (control.kind() == runtime::ControlKind::ProgressBar) {
      drawing.values[control.number()] = control.value;
    }
    if (control.kind() == runtime::ControlKind::CheckBox) {
      drawing.checked[control.number()] = control.checked;
    }
  }
  return drawing;
}

template <typename Value, typename Pick>
std::vector<Value> historyOf(const std::vector<WindowDrawing>& drawings, Pick pick) {
  std::vector<Value> history;
  for (const WindowDrawing& drawing : drawings) {
    std::optional<Value> value = pick(drawing);
    if (value && (history.empty() || history.back() != *value)) history.push_back(*value);
  }
  return history;
}

template <typename Map>
auto valueAt(const Map& map, int key) -> std::optional<typename Map::mapped_type> {
  auto found = map.find(key);
  if (found == map.end()) return std::nullopt;
  return found->second;
}

}  // namespace

std::string WindowRecord::lastText(int control) const {
  const WindowDrawing* drawing = last();
  if (!drawing) return {};
  return valueAt(drawing->texts, control).value_or(std::string());
}

std::vector<std::string> WindowRecord::textHistory(int control) const {
  return historyOf<std::string>(
      drawings, [control](const WindowDrawing& d) { return valueAt(d.texts, control); });
}

std::vector<int> WindowRecord::valueHistory(int control) const {
  return historyOf<int>(drawings,
                        [control](const WindowDrawing& d) { return valueAt(d.values, control); });
}

HeadlessFrontEnd::HeadlessFrontEnd(HeadlessClock::Mode mode) : clock_(mode) {}

void HeadlessFrontEnd::script(When when, runtime::Input input) {
  steps_.push_back({std::move(when), input});
}

void HeadlessFrontEnd::scriptKey(When when, int key) {
  steps_.push_back({std::move(when), {}, key});
}

const WindowRecord* HeadlessFrontEnd::window(const std::string& caption) const {
  auto named = [&caption](const WindowRecord& record) {
    return record.captionAtOpen == caption ||
           std::any_of(record.drawings.begin(), record.drawings.end(),
                       [&caption](const WindowDrawing& d) { return d.caption == caption; });
  };
  auto found = std::find_if(records_.rbegin(), records_.rend(), named);
  return found == records_.rend() ? nullptr : &*found;
}

WindowRecord* HeadlessFrontEnd::recordOf(const runtime::Window& window) {
  auto found = openRecords_.find(&window);
  return found == openRecords_.end() ? nullptr : &records_[found->second];
}

void HeadlessFrontEnd::openWindow(runtime::Window& window) {
  if (!window.hasPosition()) window.moveTo({0, 0});
  WindowRecord& record = records_.emplace_back();
  record.captionAtOpen = window.caption();
  record.font = window.font();
  record.width = window.width();
  record.height = window.height();
  openRecords_[&window] = records_.size() - 1;
}

void HeadlessFrontEnd::drawWindow(const runtime::Window& window) {
  WindowRecord* record = recordOf(window);
  if (!record) return;
  record->timerEvents = window.timerEvents();
  WindowDrawing drawing = drawingOf(window);
  if (!record->last() || !(*record->last() == drawing)) record->drawings.push_back(drawing);
}

void HeadlessFrontEnd::closeWindow(const runtime::Window& window) {
  WindowRecord* record = recordOf(window);
  if (!record) return;
  record->open = false;
  record->timerEvents = window.timerEvents();
  openRecords_.erase(&window);
  while (nextStepDue(window)) ++nextStep_;
}

bool HeadlessFrontEnd::inputPending(runtime::Window& active) {
  return nextStepDue(active);
}

std::optional<runtime::Input> HeadlessFrontEnd::waitForInput(
    runtime::Window& active, std::optional<runtime::Hundredths> deadline) {
  if (auto input = scriptedInput(active, deadline)) {
    unanswered_.reset();
    return input;
  }
  if (deadline) {
    unanswered_.reset();
    clock_.waitUntil(*deadline);
    return std::nullopt;
  }
  return noInputLeft(active);
}

std::optional<runtime::Input> HeadlessFrontEnd::scriptedInput(
    const runtime::Window& active, std::optional<runtime::Hundredths> deadline) {
  while (nextStep_ < steps_.size()) {
    const ScriptStep& step = steps_[nextStep_];
    if (!holds(step.when, active)) return std::nullopt;
    if (step.when.at && clock_.now() < *step.when.at) {
      // The timer comes first when it is due before the step.
      if (deadline && *deadline < *step.when.at) return std::nullopt;
      clock_.waitUntil(*step.when.at);
    }
    ++nextStep_;
    if (step.key == 0) return step.input;
    if (auto input = inputForKey(active, step.key)) return input;
  }
  return std::nullopt;
}

bool HeadlessFrontEnd::nextStepDue(const runtime::Window& window) const {
  if (nextStep_ == steps_.size()) return false;
  const When& when = steps_[nextStep_].when;
  return holds(when, window) && (!when.at || clock_.now() >= *when.at);
}

bool HeadlessFrontEnd::holds(const When& when, const runtime::Window& active) const {
  return (when.window.empty() || when.window == active.caption()) &&
         active.timerEvents() >= when.timerEvents;
}

runtime::Input HeadlessFrontEnd::noInputLeft(const runtime::Window& active) {
  unanswered_.waitedInVain(active);
  ++unscriptedCloses_;
  return platform::closeWindow();
}

int HeadlessFrontEnd::showMessageBox(const runtime::MessageBoxRequest& request) {
  int answer = request.defaultButton;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  messageBoxes_.push_back({request, answer});
  return answer;
}

std::vector<std::string> HeadlessFrontEnd::chooseFiles(const runtime::FileChoice& choice) {
  fileChoices_.push_back(choice);
  if (fileAnswers_.empty()) return {};
  std::vector<std::string> answer = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  return answer;
}

}  // namespace tallowmere::platform
