#pragma once

#include <string>
#include <string_view>

namespace tallowmere::platform {

// A line of text the user types in, with a cursor that moves by characters (UTF-8).
class LineEditor {
 public:
  // What the line shows in a place of cells cells, in shown form (CellText.h): the text
  // before the cursor, the character under it (a blank at the end) and the text after it,
  // scrolled so that the cursor is always in view.
  struct View {
    std::string before;
    std::string cursor;
    std::string after;
  };

  const std::string& text() const { return text_; }
  // The whole line anew, the cursor at its end.
  void set(std::string text);
  void insert(std::string_view text);
  void erasePrevious();
  void eraseNext();
  void left();
  void right();
  void home() { cursor_ = 0; }
  void end() { cursor_ = text_.size(); }

  View view(int cells) const;

 private:
  std::size_t previousStart() const;
  std::size_t nextStart() const;

  std::string text_;
  std::size_t cursor_ = 0;  // a byte offset at the start of a character
};

}  // namespace tallowmere::platform
