#include "platform/terminal/MouseReportReader.h"

#include <charconv>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/terminal/KeyCodes.h"

namespace tallowmere::platform {

namespace {

// Waiting a little longer than the bytes of a report take only guards against a slow line.
constexpr int ReportByteWaitMilliseconds = 100;

// Each of the three bytes of an xterm report is offset by 32 past the control characters;
// the key codes curses gives lie above the bytes.
constexpr int SmallestXtermByte = 32;
constexpr int LargestXtermByte = 255;

// What an SGR report holds after its start: three numbers with a separator between them,
// then M for a press or a motion or m for a release. A longer one than this is garbage.
constexpr std::string_view SgrReportCharacters = "0123456789;Mm";
constexpr std::size_t LongestSgrReport = 32;

std::optional<int> nextReportByte(ByteSource& source) {
  return source.next(ReportByteWaitMilliseconds);
}

bool inSgrReport(int byte) {
  return byte >= 0 && byte < 128 &&
         SgrReportCharacters.find(static_cast<char>(byte)) != std::string_view::npos;
}

bool isSgrFinal(int byte) {
  return byte == 'M' || byte == 'm';
}

std::optional<MouseInput> readXtermReport(ByteSource& source) {
  int bytes[3];
  for (int& byte : bytes) {
    const std::optional<int> read = nextReportByte(source);
    if (!read) return std::nullopt;
    if (*read < SmallestXtermByte || *read > LargestXtermByte) {
      source.putBack(*read);
      return std::nullopt;
    }
    byte = *read;
  }
  return decodeMouseReport(bytes[0], bytes[1], bytes[2]);
}

// The rest of an SGR report up to and with its final letter, however its numbers look.
std::optional<std::string> readSgrText(ByteSource& source) {
  std::string text;
  while (const std::optional<int> byte = nextReportByte(source)) {
    if (!inSgrReport(*byte)) {
      source.putBack(*byte);
      return std::nullopt;
    }
    text += static_cast<char>(*byte);
    if (isSgrFinal(*byte)) return text;
    if (text.size() == LongestSgrReport) return std::nullopt;
  }
  return std::nullopt;
}

// button;column;row and the final letter.
std::optional<MouseInput> decodeSgrText(std::string_view text) {
  int numbers[3];
  const char* at = text.data();
  const char* const final = &text.back();
  for (std::size_t field = 0; field < std::size(numbers); ++field) {
    if (field > 0) {
      if (at == final || *at != ';') return std::nullopt;
      ++at;
    }
    const auto [after, error] = std::from_chars(at, final, numbers[field]);
    if (error != std::errc{}) return std::nullopt;
    at = after;
  }
  if (at != final) return std::nullopt;
  return decodeSgrMouseReport(numbers[0], numbers[1], numbers[2], *final == 'm');
}

}  // namespace

bool isMouseReportStart(int key) {
  return key == MouseReportKey || key == SgrMouseReportKey;
}

std::optional<MouseInput> readMouseReport(ByteSource& source, int start) {
  if (start != SgrMouseReportKey) return readXtermReport(source);
  const std::optional<std::string> text = readSgrText(source);
  if (!text) return std::nullopt;
  return decodeSgrText(*text);
}

}  // namespace tallowmere::platform
