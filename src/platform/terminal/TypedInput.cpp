#include "platform/terminal/TypedInput.h"

#include "platform/terminal/KeyCodes.h"

namespace tallowmere::platform {

namespace {

// Within a paste the terminal sends the bytes back to back; a longer silence means the end
// mark is not coming.
constexpr int PastedByteWaitMilliseconds = 1000;
// Faster than any hand types, even with a key held down, yet long enough for a terminal
// that writes a long paste in pieces.
constexpr int TypedPasteGapMilliseconds = 25;
constexpr int CharacterByteWaitMilliseconds = 100;
constexpr int LargestByte = 255;

bool isByte(int key) {
  return key >= 0 && key <= LargestByte;
}

// What a pasted path list can hold: printable bytes, and the line ends and tabs between
// paths.
bool pastable(int key) {
  return isByte(key) && key != EscapeKey &&
         (key >= ' ' || key == '\r' || key == '\n' || key == '\t');
}

void keep(std::string& text, int byte) {
  if (text.size() < LongestPaste) text += static_cast<char>(byte);
}

bool isContinuationByte(int key) {
  return isByte(key) && (key & 0xC0) == 0x80;
}

// How many continuation bytes follow lead in UTF-8.
int continuationsAfter(int lead) {
  if ((lead & 0xE0) == 0xC0) return 1;
  if ((lead & 0xF0) == 0xE0) return 2;
  if ((lead & 0xF8) == 0xF0) return 3;
  return 0;
}

// Adds to text the bytes that follow, each within wait of the one before, as long as they
// belong and text is shorter than longest; the first one that does not belong is given back.
void readRun(ByteSource& source, std::string& text, int wait, std::size_t longest,
             bool (*belongs)(int)) {
  while (text.size() < longest) {
    const std::optional<int> key = source.next(wait);
    if (!key) return;
    if (!belongs(*key)) {
      source.putBack(*key);
      return;
    }
    text += static_cast<char>(*key);
  }
}

}  // namespace

std::string readBracketedPaste(ByteSource& source) {
  std::string text;
  while (const std::optional<int> key = source.next(PastedByteWaitMilliseconds)) {
    if (*key == PasteEndKey) break;
    if (isByte(*key)) keep(text, *key);
  }
  return text;
}

bool beginsTypedPath(int key) {
  return key == '/' || key == '\'' || key == '"' || key == '~' || key == 'f';
}

std::optional<std::string> readTypedPaste(ByteSource& source, int first) {
  std::string text(1, static_cast<char>(first));
  readRun(source, text, TypedPasteGapMilliseconds, LongestPaste, pastable);
  if (text.size() == 1) return std::nullopt;
  return text;
}

std::string readCharacter(ByteSource& source, int lead) {
  std::string character(1, static_cast<char>(lead));
  readRun(source, character, CharacterByteWaitMilliseconds,
          character.size() + continuationsAfter(lead), isContinuationByte);
  return character;
}

}  // namespace tallowmere::platform
