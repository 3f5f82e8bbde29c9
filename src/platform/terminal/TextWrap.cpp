#include "platform/terminal/TextWrap.h"

#include <algorithm>
#include <utility>

#include "platform/common/MessageText.h"
#include "platform/terminal/CellText.h"

namespace tallowmere::platform {

namespace {

void wrapParagraph(std::string paragraph, int width, std::vector<std::string>& lines) {
  while (cellsOf(paragraph) > width) {
    const std::size_t fitting = headWithin(paragraph, width).size();
    const std::size_t blank = paragraph.rfind(' ', fitting);
    const bool breakAtBlank = blank != std::string::npos && blank > 0;
    // A character wider than the whole line goes on a line of its own, cut by the screen.
    const std::size_t cut = breakAtBlank ? blank : std::max<std::size_t>(fitting, 1);
    lines.push_back(paragraph.substr(0, cut));
    std::size_t rest = cut;
    if (breakAtBlank) rest = paragraph.find_first_not_of(' ', cut);
    paragraph = rest == std::string::npos ? std::string() : paragraph.substr(rest);
  }
  lines.push_back(paragraph);
}

}  // namespace

std::vector<std::string> wrapMessageText(const std::string& text, int width) {
  width = std::max(width, 1);
  std::vector<std::string> lines;
  for (const std::string& paragraph : messageLines(text))
    wrapParagraph(shownText(paragraph), width, lines);
  return lines;
}

}  // namespace tallowmere::platform
