#pragma once

#include <optional>
#include <string>

#include "platform/terminal/ByteSource.h"

namespace tallowmere::platform {

// Text that comes in from the terminal other than as single keys: pasted text, with the
// marks of bracketed paste or typed by the terminal faster than a hand can type, and
// characters of several bytes.

// The text between the start mark (PasteStartKey, already read) and the end mark. Pasted
// bytes follow each other at once: when the end mark does not come, what came until a
// pause is the paste. Key codes curses made of bytes inside the paste are dropped, and
// past LongestPaste bytes the rest is read but not kept.
std::string readBracketedPaste(ByteSource& source);

// Whether key can begin a path as a terminal without bracketed paste types a dropped file:
// a '/', a quote, a '~' or the "f" of "file://". None of them does anything on a window.
bool beginsTypedPath(int key);
// The bytes that follow first with no pause between them, as pasted text comes in, with
// first before them; nothing (and nothing read) when first came alone, as a typed key
// does. The bytes end at a pause, at an Esc or a key code (both given back to source), or
// at LongestPaste bytes.
std::optional<std::string> readTypedPaste(ByteSource& source, int first);

// The UTF-8 character that lead begins: lead and the continuation bytes that follow it.
std::string readCharacter(ByteSource& source, int lead);

inline constexpr std::size_t LongestPaste = 1 << 16;

}  // namespace tallowmere::platform
