// Pasted text as the terminal hands it over, without a terminal: bracketed between its
// marks, typed by the terminal faster than a hand types, and the paths in it as terminals
// type dropped files. The bytes come from a script with its own clock.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/terminal/KeyCodes.h"
#include "platform/terminal/PastedPaths.h"
#include "platform/terminal/TypedInput.h"
#include "terminal/ScriptedBytes.h"

namespace tallowmere::platform {
namespace {

using Paths = std::vector<std::string>;

TEST(TerminalPaste, BracketedPasteIsReadToItsEndMark) {
  ScriptedBytes source({{0, bytes("'/a b/My Orders.txa' ")}, {0, {PasteEndKey, 'x'}}});
  EXPECT_EQ(readBracketedPaste(source), "'/a b/My Orders.txa' ");
  EXPECT_EQ(source.next(0), 'x');

  // A key sequence curses made of bytes inside the paste is no text.
  ScriptedBytes keys({{0, {'/', ModifiedUp, 'a', PasteEndKey}}});
  EXPECT_EQ(readBracketedPaste(keys), "/a");

  // An end mark that never comes: what came is the paste, and the wait ends soon.
  ScriptedBytes unended({{0, bytes("/a.txa")}, {60000, {'x'}}});
  EXPECT_EQ(readBracketedPaste(unended), "/a.txa");
  EXPECT_LT(unended.now(), 5000);

  // A paste past the limit is read to its end but kept only up to the limit.
  ScriptedBytes huge({{0, bytes(std::string(LongestPaste + 10, 'a'))}, {0, {PasteEndKey, 'x'}}});
  EXPECT_EQ(readBracketedPaste(huge).size(), LongestPaste);
  EXPECT_EQ(huge.next(0), 'x');
}

TEST(TerminalPaste, TypedTextIsAPasteOnlyWhenItComesAtOnce) {
  for (int start : {'/', '\'', '"', '~', 'f'}) EXPECT_TRUE(beginsTypedPath(start)) << start;
  for (int key : std::vector<int>{'a', ' ', '\t', '\r', EscapeKey, ModifiedUp})
    EXPECT_FALSE(beginsTypedPath(key));

  ScriptedBytes pasted({{0, bytes("tmp/My Orders.txa\r/b.txa")}, {500, {'x'}}});
  EXPECT_EQ(readTypedPaste(pasted, '/'), "/tmp/My Orders.txa\r/b.txa");
  EXPECT_EQ(pasted.next(-1), 'x');

  // A key typed by hand comes alone: no paste, and the key after it stays unread.
  ScriptedBytes typed({{200, std::vector<int>{'x'}}});
  EXPECT_EQ(readTypedPaste(typed, '/'), std::nullopt);
  EXPECT_EQ(typed.next(-1), 'x');

  // Esc or a key sequence ends it and is given back.
  ScriptedBytes broken({{0, {'a', 'b', EscapeKey, 'c'}}});
  EXPECT_EQ(readTypedPaste(broken, '/'), "/ab");
  EXPECT_EQ(broken.next(0), EscapeKey);

  // The bytes of a character of several come together.
  ScriptedBytes character({{0, {0xA9, 'x'}}});
  EXPECT_EQ(readCharacter(character, 0xC3), "\xC3\xA9");
  EXPECT_EQ(character.next(0), 'x');
  ScriptedBytes cut({{0, std::vector<int>{'x'}}});
  EXPECT_EQ(readCharacter(cut, 0xE2), "\xE2");
  EXPECT_EQ(cut.next(0), 'x');
}

TEST(TerminalPaste, PathsAreReadAsTerminalsTypeDroppedFiles) {
  EXPECT_EQ(pastedPaths("/home/me/Orders.txa"), (Paths{"/home/me/Orders.txa"}));
  EXPECT_EQ(pastedPaths("'/home/me/My Orders.txa' "), (Paths{"/home/me/My Orders.txa"}));
  EXPECT_EQ(pastedPaths("/home/me/My\\ Orders.txa"), (Paths{"/home/me/My Orders.txa"}));
  EXPECT_EQ(pastedPaths("'/it'\\''s.txa'"), (Paths{"/it's.txa"}));
  EXPECT_EQ(pastedPaths("\"/a b.txa\" \"/c \\\"d\\\" \\\\.txa\"\r\n/e.txa\t/f.txa\n"),
            (Paths{"/a b.txa", "/c \"d\" \\.txa", "/e.txa", "/f.txa"}));
  EXPECT_EQ(pastedPaths("file:///home/me/My%20Orders%2e.txa\r\nfile://localhost/x%zz.txa"),
            (Paths{"/home/me/My Orders..txa", "/x%zz.txa"}));
  // Another computer's file, an open quote, nothing at all: no paths.
  EXPECT_EQ(pastedPaths("file://server/share/a.txa"), Paths{});
  EXPECT_EQ(pastedPaths("'/home/me/Orders.txa"), Paths{});
  EXPECT_EQ(pastedPaths(" \r\n"), Paths{});

  const char* home = std::getenv("HOME");
  const std::string kept = home ? home : "";
  setenv("HOME", "/home/me", 1);
  EXPECT_EQ(pastedPaths("~/Orders.txa"), (Paths{"/home/me/Orders.txa"}));
  if (home) {
    setenv("HOME", kept.c_str(), 1);
  } else {
    unsetenv("HOME");
  }
}

}  // namespace
}  // namespace tallowmere::platform
