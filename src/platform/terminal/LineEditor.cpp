#include "platform/terminal/LineEditor.h"

#include "platform/terminal/CellText.h"

namespace tallowmere::platform {

namespace {

bool isContinuation(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

void LineEditor::set(std::string text) {
  text_ = std::move(text);
  cursor_ = text_.size();
}

void LineEditor::insert(std::string_view text) {
  text_.insert(cursor_, text);
  cursor_ += text.size();
}

void LineEditor::erasePrevious() {
  const std::size_t start = previousStart();
  text_.erase(start, cursor_ - start);
  cursor_ = start;
}

void LineEditor::eraseNext() {
  text_.erase(cursor_, nextStart() - cursor_);
}

void LineEditor::left() {
  cursor_ = previousStart();
}

void LineEditor::right() {
  cursor_ = nextStart();
}

std::size_t LineEditor::previousStart() const {
  if (cursor_ == 0) return 0;
  std::size_t start = cursor_ - 1;
  while (start > 0 && isContinuation(text_[start])) --start;
  return start;
}

std::size_t LineEditor::nextStart() const {
  if (cursor_ == text_.size()) return cursor_;
  std::size_t next = cursor_ + 1;
  while (next < text_.size() && isContinuation(text_[next])) ++next;
  return next;
}

LineEditor::View LineEditor::view(int cells) const {
  View shown{shownText(std::string_view(text_).substr(0, cursor_)),
             shownText(std::string_view(text_).substr(cursor_, nextStart() - cursor_)),
             shownText(std::string_view(text_).substr(nextStart()))};
  if (shown.cursor.empty()) shown.cursor = " ";
  const int room = cells - cellsOf(shown.cursor);
  shown.before = tailWithin(shown.before, room);
  shown.after = headWithin(shown.after, room - cellsOf(shown.before));
  return shown;
}

}  // namespace tallowmere::platform
