#include <gtest/gtest.h>

#include <string>

#include "runtime/text/FixedText.h"

namespace tallowmere::runtime {
namespace {

TEST(FixedTextTest, AssignCutsOrPadsToTheFieldWidth) {
  LineText line(std::string(600, 'x'));
  EXPECT_EQ(line.view(), std::string(500, 'x'));
  line.assign("short");
  EXPECT_EQ(line.view(), "short" + std::string(495, ' '));
  line.clear();
  EXPECT_TRUE(line.isBlank());
  EXPECT_EQ(line.view(), std::string(500, ' '));
}

TEST(FixedTextTest, RawWritesAreSeenByClipAndFind) {
  LineText line("abc");
  line.mutableData()[450] = 'z';
  EXPECT_EQ(line.clippedLength(), 451u);
  EXPECT_EQ(line.find("z").position(), 451);
  line.assign("q");
  EXPECT_EQ(line.view(), "q" + std::string(499, ' '));
}

TEST(FixedTextTest, ACopyTakesTheWholeFieldWhateverEitherSideHeld) {
  LineText longer(std::string(400, 'l'));
  const LineText shorter("short   ");
  longer = shorter;
  EXPECT_EQ(longer.view(), shorter.view());
  EXPECT_EQ(longer.clipped(), "short");
  LineText raw;
  raw.mutableData()[499] = 'r';
  longer = raw;
  EXPECT_EQ(longer.view(), std::string(499, ' ') + "r");
  longer = longer;
  EXPECT_EQ(longer.clippedLength(), 500u);
}

TEST(FixedTextTest, ClipAndSkipTreatOnlyTheSpaceAsBlank) {
  EXPECT_EQ(clip("  a b \t  "), "  a b \t");
  EXPECT_EQ(clip("    "), "");
  EXPECT_EQ(skipLeadingBlanks("  \ta "), "\ta ");
  EXPECT_EQ(skipLeadingBlanks("   "), "");
}

TEST(FixedTextTest, SearchFindsOnlyOccurrencesWhollyInsideTheField) {
  EXPECT_EQ(findText("abcabc", "bc").position(), 2);
  EXPECT_EQ(findText("abcabc", "bc", 3).position(), 5);
  EXPECT_FALSE(findText("abcabc", "bc", 6));
  EXPECT_FALSE(findText("abc", "ABC"));
  EXPECT_FALSE(findText("abc", ""));
  LineText line(std::string(498, 'x') + "#O");
  EXPECT_EQ(line.find("#O").position(), 499);
  EXPECT_FALSE(line.find("#OR"));
  // Trailing blanks are part of the field.
  LineText padded("a");
  EXPECT_EQ(padded.find("a  ").position(), 1);
  EXPECT_FALSE(padded.find(std::string(500, ' ')));
  EXPECT_EQ(padded.find(std::string(499, ' ')).position(), 2);
}

TEST(FixedTextTest, NumbersArePlainDigits) {
  EXPECT_EQ(decimal(0), "0");
  EXPECT_EQ(decimal(4294967295u), "4294967295");
}

}  // namespace
}  // namespace tallowmere::runtime
