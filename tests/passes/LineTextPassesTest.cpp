#include <gtest/gtest.h>

#include <string>

#include "passes/GuidReplacement.h"
#include "passes/OrdinalCut.h"

namespace tallowmere::passes {
namespace {

using runtime::LineText;

struct Example {
  std::string read;
  std::string written;
};

class OrdinalCutExamples : public ::testing::TestWithParam<Example> {};

TEST_P(OrdinalCutExamples, CutsBeforeTheMarker) {
  LineText line(GetParam().read);
  cutAtOrdinal(line);
  EXPECT_EQ(line.clipped(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, OrdinalCutExamples,
                         ::testing::Values(Example{"NAME,#ORDINAL(3)", "NAME"},
                                           Example{"  NAME #ORDINAL(12),MORE", "  NAME"},
                                           Example{"A,#ORDINAL(1),B,#ORDINAL(2)", "A"},
                                           Example{"#ORDINAL(5)", "#ORDINAL(5)"},
                                           Example{",#ORDINAL(5)", ""},
                                           Example{"NAME,#ordinal(3)", "NAME,#ordinal(3)"},
                                           Example{"NAME,#ORDINAL 3", "NAME,#ORDINAL 3"},
                                           Example{"  X,#ORDINAL(1)", "  X"},
                                           Example{"#ORDINAL", "#ORDINAL"}));

TEST(OrdinalCut, FindsAMarkerEndingAtTheLastCharacterAndIsIdempotent) {
  std::string text(491, 'x');
  text += "#ORDINAL(";
  ASSERT_EQ(text.size(), 500u);
  LineText line(text);
  EXPECT_TRUE(cutAtOrdinal(line));
  EXPECT_EQ(line.clipped(), std::string(490, 'x'));
  EXPECT_FALSE(cutAtOrdinal(line));
  EXPECT_EQ(line.clipped(), std::string(490, 'x'));

  LineText atStart("#ORDINAL(5)");
  EXPECT_FALSE(cutAtOrdinal(atStart));
  EXPECT_EQ(atStart.clipped(), "#ORDINAL(5)");
}

TEST(GuidReplacement, WorkedExampleNumbersDownFromTheLargestIdent) {
  const std::vector<Example> table = {
      {"!!> GUID('11111111-2222-3333-4444-555555555555')", "!!> Ident(4294967295)"},
      {"PLAIN LINE", "PLAIN LINE"},
      {"!!> GUID('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee') REST", "!!> Ident(4294967294) REST"},
      {"  !!> GUID('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee')",
       "  !!> GUID('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee')"},
      {"!!> Guid('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee')",
       "!!> Guid('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee')"},
      {"!!> GUID('XYZ')", "!!> Ident(4294967293)"},
      {"!!> GUID('", "!!> Ident(4294967292)"},
  };
  std::uint32_t ident = FirstIdent;
  for (const Example& example : table) {
    LineText line(example.read);
    if (replaceGuid(line, ident)) --ident;
    EXPECT_EQ(line.clipped(), example.written) << example.read;
  }
}

TEST(GuidReplacement, KeepsEverythingFromCharacter49OfAFullLine) {
  std::string text = "!!> GUID('11111111-2222-3333-4444-555555555555')";
  ASSERT_EQ(text.size(), 48u);
  std::string tail;
  for (int i = 0; i < 452; ++i) tail += static_cast<char>('a' + i % 26);
  LineText line(text + tail);
  ASSERT_TRUE(replaceGuid(line, 7));
  EXPECT_EQ(line.clipped(), "!!> Ident(7)" + tail);
}

}  // namespace
}  // namespace tallowmere::passes
