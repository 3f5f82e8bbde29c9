#include "platform/terminal/TextWrap.h"

#include <algorithm>
#include <utility>

#include "platform/common/MessageText.h"

namespace tallowmere::platform {

namespace {

void wrapParagraph(std::string paragraph, int width, std::vector<std::string>& lines) {
  while (static_cast<int>(paragraph.size()) > width) {
    const std::size_t blank = paragraph.rfind(' ', width);
    const bool breakAtBlank = blank != std::string::npos && blank > 0;
    const std::size_t cut = breakAtBlank ? blank : width;
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
  for (std::string& paragraph : messageLines(text))
    wrapParagraph(std::move(paragraph), width, lines);
  return lines;
}

}  // namespace tallowmere::platform
