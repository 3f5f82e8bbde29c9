// Texts as the terminal shows them: what cannot be shown safely is escaped, characters are
// measured in cells, and a text too long for its place is shortened with an ellipsis.
#include <gtest/gtest.h>

#include <string>

#include "platform/terminal/CellText.h"
#include "terminal/ScopedLocale.h"

namespace tallowmere::platform {
namespace {

TEST(TerminalText, WhatCannotBeShownSafelyIsEscaped) {
  const ScopedLocale utf8;
  // A file name that would move the cursor or switch the terminal's colours.
  EXPECT_EQ(shownText("a\tb\nc\r\x1B[31m\x7F"), "a\\tb\\nc\\r\\x1B[31m\\x7F");
  // Bytes that are no UTF-8: a stray byte, an overlong '/', a character cut short, a
  // surrogate; and a C1 control character.
  EXPECT_EQ(shownText("\xFF/\xC0\xAF/\xE2\x80/\xED\xA0\x80"),
            "\\xFF/\\xC0\\xAF/\\xE2\\x80/\\xED\\xA0\\x80");
  EXPECT_EQ(shownText("\xC2\x9B"), "\\xC2\\x9B");
  EXPECT_EQ(shownText("Gr\u00FC\u00DFe \u2192 \u65E5\u672C.txa"),
            "Gr\u00FC\u00DFe \u2192 \u65E5\u672C.txa");
  EXPECT_EQ(cellsOf("Gr\u00FC\u00DFe"), 5);
  EXPECT_EQ(cellsOf("\u65E5\u672C"), 4);  // wide characters
  EXPECT_EQ(headWithin("\u65E5\u672C", 3), "\u65E5");

  // A terminal without UTF-8 gets stand-ins, never bytes it would show as garbage.
  const ScopedLocale ascii("C");
  EXPECT_EQ(shownText("Browse\u2026 \u2192 \u2022 Gr\u00FC\u00DFe"), "Browse... -> * Gr??e");
  EXPECT_EQ(shownText("\t\xFF"), "\\t\\xFF");
}

TEST(TerminalText, TooLongTextsAreShortenedWithAnEllipsisWhereItSaysMost) {
  const ScopedLocale utf8;
  const std::string path = "Import Filename: /home/someone/exports/March/Orders.txa";
  EXPECT_EQ(fitPath(path, 60), path);
  // The text before the path and the file's name stay whole.
  EXPECT_EQ(fitPath(path, 40), "Import Filename: /home/someo\u2026/Orders.txa");
  EXPECT_EQ(fitPath(path, 29), "Import Filename: \u2026/Orders.txa");
  // A name too long to stay whole is shortened from the left, after the text before it.
  EXPECT_EQ(fitPath(path, 27), "Import Filename: \u2026rders.txa");
  // When that leaves too little of the path, from the left altogether.
  EXPECT_EQ(fitPath(path, 20), "\u2026ts/March/Orders.txa");
  EXPECT_EQ(fitPath("/home/someone/exports", 15), "/home/\u2026/exports");
  // Without a '/', in the middle.
  EXPECT_EQ(fitPath("Orders-for-every-customer.txa", 15), "Orders-\u2026mer.txa");
  for (int cells = 0; cells < 60; ++cells) {
    EXPECT_LE(cellsOf(fitPath(path, cells)), cells) << cells;
    EXPECT_LE(cellsOf(fitEnd(path, cells)), cells) << cells;
  }
  EXPECT_EQ(fitEnd("Orders.txa \u2192 Orders-C6.txa: 12 lines written", 20),
            "Orders.txa \u2192 Orders\u2026");
  EXPECT_EQ(fitEnd("\u65E5\u672C\u65E5\u672C", 6), "\u65E5\u672C\u2026");  // never half a character

  const ScopedLocale ascii("C");
  EXPECT_EQ(fitEnd("Orders.txa: 12 lines written", 15), "Orders.txa: ...");
}

}  // namespace
}  // namespace tallowmere::platform
