#include "platform/common/MessageText.h"

namespace tallowmere::platform {

std::vector<std::string> messageLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t bar = text.find('|'); bar != std::string::npos; bar = text.find('|', start)) {
    lines.push_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace tallowmere::platform
