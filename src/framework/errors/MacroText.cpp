#include "framework/errors/MacroText.h"

#include <algorithm>

namespace tallowmere::framework {

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(char a, char b) { return lower(a) == lower(b); }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return equalIgnoringCase(x, y); });
}

}  // namespace

std::size_t findMacro(std::string_view text, std::string_view macro, std::size_t from) {
  if (macro.empty() || from > text.size()) return std::string_view::npos;
  const auto rest = text.substr(from);
  const auto found = std::search(rest.begin(), rest.end(), macro.begin(), macro.end(),
                                 [](char x, char y) { return equalIgnoringCase(x, y); });
  if (found == rest.end()) return std::string_view::npos;
  return from + static_cast<std::size_t>(found - rest.begin());
}

void replaceMacro(std::string& text, std::string_view macro, std::string_view value,
                  std::size_t limit) {
  if (equalIgnoringCase(macro, value)) return;
  for (std::size_t at = findMacro(text, macro); at != std::string::npos;
       at = findMacro(text, macro, at + value.size())) {
    text.replace(at, macro.size(), value);
    if (text.size() > limit) text.resize(limit);
  }
}

}  // namespace tallowmere::framework
