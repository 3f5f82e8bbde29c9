#include "platform/terminal/CellText.h"

#include <langinfo.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <optional>
#include <vector>

namespace tallowmere::platform {

namespace {

constexpr char32_t Ellipsis = U'\u2026';
constexpr char32_t RightArrow = U'\u2192';
constexpr char32_t Bullet = U'\u2022';
constexpr char32_t LastCodePoint = 0x10FFFF;
// The fewest cells of a path's end worth showing after the text before the path.
constexpr int ShortestPathEnd = 8;

struct CodePoint {
  char32_t value = 0;
  std::size_t length = 1;
  bool valid = false;
};

// The code point at the start of text, or an invalid one of one byte where the bytes are
// no UTF-8 (a stray continuation byte, a sequence cut short, an overlong form, a
// surrogate, or past the last code point).
CodePoint decode(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1, true};
  std::size_t length = 0;
  char32_t value = 0;
  char32_t smallest = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, smallest = 0x10000;
  } else {
    return {};
  }
  if (text.size() < length) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {};
    value = (value << 6) | (byte(i) & 0x3F);
  }
  if (value < smallest || value > LastCodePoint || (value >= 0xD800 && value <= 0xDFFF)) return {};
  return {value, length, true};
}

bool localeIsUtf8() {
  return std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
}

bool isControl(char32_t value) {
  return value < 0x20 || (value >= 0x7F && value < 0xA0);
}

std::string escaped(std::string_view bytes) {
  std::string text;
  for (const char byte : bytes) {
    switch (byte) {
      case '\t':
        text += "\\t";
        break;
      case '\n':
        text += "\\n";
        break;
      case '\r':
        text += "\\r";
        break;
      default: {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(byte));
        text += hex;
      }
    }
  }
  return text;
}

std::string asciiStandIn(char32_t value) {
  if (value == Ellipsis) return "...";
  if (value == RightArrow) return "->";
  if (value == Bullet) return "*";
  return "?";
}

// The cells a code point of a shown text takes: a character the locale cannot show has
// been escaped already, so only wide and combining characters differ from one.
int cellsOfCodePoint(const CodePoint& point, bool utf8) {
  if (!utf8 || !point.valid || point.value < 0x80) return 1;
  const int width = wcwidth(static_cast<wchar_t>(point.value));
  return width < 0 ? 1 : width;
}

// Each code point of a shown text with the cells it takes, in order.
struct Piece {
  std::size_t begin;
  std::size_t length;
  int cells;
};

std::vector<Piece> piecesOf(std::string_view shown) {
  const bool utf8 = localeIsUtf8();
  std::vector<Piece> pieces;
  for (std::size_t at = 0; at < shown.size();) {
    const CodePoint point = utf8 ? decode(shown.substr(at)) : CodePoint{};
    pieces.push_back({at, point.length, cellsOfCodePoint(point, utf8)});
    at += point.length;
  }
  return pieces;
}

std::string ellipsis() {
  return localeIsUtf8() ? "\u2026" : "...";
}

}  // namespace

std::string shownText(std::string_view utf8) {
  const bool utf8Locale = localeIsUtf8();
  std::string shown;
  for (std::size_t at = 0; at < utf8.size();) {
    const CodePoint point = decode(utf8.substr(at));
    const std::string_view bytes = utf8.substr(at, point.length);
    at += point.length;
    if (!point.valid || isControl(point.value)) {
      shown += escaped(bytes);
    } else if (point.value < 0x80) {
      shown += bytes;
    } else if (!utf8Locale) {
      shown += asciiStandIn(point.value);
    } else if (wcwidth(static_cast<wchar_t>(point.value)) < 0) {
      shown += escaped(bytes);
    } else {
      shown += bytes;
    }
  }
  return shown;
}

int cellsOf(std::string_view shown) {
  int cells = 0;
  for (const Piece& piece : piecesOf(shown)) cells += piece.cells;
  return cells;
}

std::string headWithin(std::string_view shown, int cells) {
  std::size_t end = 0;
  for (const Piece& piece : piecesOf(shown)) {
    if (piece.cells > cells) break;
    cells -= piece.cells;
    end = piece.begin + piece.length;
  }
  return std::string(shown.substr(0, end));
}

std::string tailWithin(std::string_view shown, int cells) {
  const std::vector<Piece> pieces = piecesOf(shown);
  std::size_t begin = shown.size();
  for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
    if (piece->cells > cells) break;
    cells -= piece->cells;
    begin = piece->begin;
  }
  return std::string(shown.substr(begin));
}

std::string fitEnd(std::string_view shown, int cells) {
  if (cellsOf(shown) <= cells) return std::string(shown);
  const std::string mark = ellipsis();
  return headWithin(shown, cells - cellsOf(mark)) + (cellsOf(mark) <= cells ? mark : "");
}

std::string fitPath(std::string_view shown, int cells) {
  if (cellsOf(shown) <= cells) return std::string(shown);
  const std::string mark = ellipsis();
  const int room = cells - cellsOf(mark);
  if (room < 0) return {};
  const std::size_t first = shown.find('/');
  if (first == std::string_view::npos) {
    const std::string head = headWithin(shown, room - room / 2);
    return head + mark + tailWithin(shown.substr(head.size()), room - cellsOf(head));
  }
  const std::size_t last = shown.rfind('/');
  const std::string_view lead = shown.substr(0, first);
  const std::string_view name = shown.substr(last);
  const int middleRoom = room - cellsOf(lead) - cellsOf(name);
  if (middleRoom >= 0) {
    return std::string(lead) + headWithin(shown.substr(first, last - first), middleRoom) + mark +
           std::string(name);
  }
  const int pathRoom = room - cellsOf(lead);
  if (pathRoom >= ShortestPathEnd) {
    return std::string(lead) + mark + tailWithin(shown.substr(first), pathRoom);
  }
  return mark + tailWithin(shown, room);
}

}  // namespace tallowmere::platform
