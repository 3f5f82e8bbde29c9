#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "model/ReferenceModel.h"

namespace tallowmere::model {
namespace {

using Texts = std::vector<std::string>;

Lines records(const Texts& texts) {
  Lines lines;
  for (const std::string& text : texts) lines.push_back(pad(text));
  return lines;
}

Texts shown(const Lines& lines) {
  Texts texts;
  for (const std::string& line : lines) texts.emplace_back(clip(line));
  return texts;
}

Texts read(std::string_view file) {
  return shown(readRecords(file));
}

Texts joined(std::string_view marker, const Texts& texts) {
  Lines lines = records(texts);
  joinClauses(lines, marker);
  return shown(lines);
}

TEST(ReferenceModelLineRules, LineEndsAndTerminators) {
  EXPECT_EQ(read(""), Texts{});
  EXPECT_EQ(read("\r\n"), Texts{""});
  EXPECT_EQ(read("A\r\n\r\nB"), (Texts{"A", "", "B"}));
  // Lone CR and LF are ordinary characters, also as the very last byte.
  EXPECT_EQ(read("A\rB\nC\r\nD\r"), (Texts{"A\rB\nC", "D\r"}));
  const std::string lfOnly = std::string(300, 'x') + "\n" + std::string(300, 'y') + "\n";
  EXPECT_EQ(read(lfOnly), Texts{lfOnly.substr(0, Width)});
  // The CR LF of the terminator may not be shared with a lone CR before it.
  EXPECT_EQ(read("A\r\r\nB"), (Texts{"A\r", "B"}));
}

TEST(ReferenceModelLineRules, TabsExpandToEightColumnStops) {
  EXPECT_EQ(read("A\tB"), Texts{"A       B"});
  EXPECT_EQ(read("\t\tX\r\n1234567\tY"), (Texts{std::string(16, ' ') + "X", "1234567 Y"}));
  // Blanks of a tab beyond the last column are dropped, and nothing follows them.
  const Texts nearEnd = read(std::string(497, 'a') + "\tZ");
  ASSERT_EQ(nearEnd.size(), 1u);
  EXPECT_EQ(nearEnd[0], std::string(497, 'a'));
  EXPECT_EQ(readRecords(std::string(497, 'a') + "\tZ")[0].size(), Width);
}

TEST(ReferenceModelLineRules, OverlongLinesKeepTheirFirst500Columns) {
  const std::string exact(Width, 'e');
  EXPECT_EQ(read(exact + "\r\nnext"), (Texts{exact, "next"}));
  const std::string longer = std::string(Width, 'a') + "b";
  EXPECT_EQ(read(longer + "\r\nnext"), (Texts{std::string(Width, 'a'), "next"}));
  // The skipped rest ends at the first CR LF, wherever the lone CRs and LFs lie.
  EXPECT_EQ(read(std::string(Width + 10, 'a') + "\r\r\n\n"),
            (Texts{std::string(Width, 'a'), "\n"}));
}

TEST(ReferenceModelLineRules, ControlZ) {
  EXPECT_EQ(read("A\r\n\x1a"
                 "B\r\nC"),
            Texts{"A"});
  EXPECT_EQ(read("\x1a"
                 "A"),
            Texts{});
  EXPECT_EQ(read("AB\x1a"
                 "CD\r\nE"),
            (Texts{"AB", "CD", "E"}));
  // Right after a control-Z a second one is at the start of a line.
  EXPECT_EQ(read("AB\x1a\x1a"
                 "CD"),
            Texts{"AB"});
  // Even in the skipped rest of an overlong line it ends the line there.
  EXPECT_EQ(read(std::string(Width + 3, 'a') + "\x1a" + "tail"),
            (Texts{std::string(Width, 'a'), "tail"}));
}

TEST(ReferenceModelLineRules, BytesTakenAddUpToWhatWasRead) {
  const std::string file = "A\tB\r\n" + std::string(600, 'x') + "\r\nC\x1a" + "D\r\n\x1a" + "rest";
  const std::vector<ReadLine> lines = readLines(file);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].bytes, 5u);
  EXPECT_EQ(lines[1].bytes, 602u);
  EXPECT_EQ(lines[2].bytes, 2u);
  const std::size_t total =
      std::accumulate(lines.begin(), lines.end(), std::size_t{0},
                      [](std::size_t sum, const ReadLine& line) { return sum + line.bytes; });
  EXPECT_EQ(total, file.find("\x1a"
                             "rest"));
}

TEST(ReferenceModelLineRules, WritingClipsAndEndsEveryLineWithCrLf) {
  EXPECT_EQ(writeLines(records({"A  ", "", "  B", std::string(Width, ' ')})),
            "A\r\n\r\n  B\r\n\r\n");
  EXPECT_EQ(convert("last", {}), "last\r\n");
  EXPECT_EQ(convert("a\tb \r\n", {}), "a       b\r\n");
}

TEST(ReferenceModelCorrections, RemoveOrdinalsCutsBeforeTheMarker) {
  Lines lines = records(
      {"NAME,#ORDINAL(3)", "  NAME #ORDINAL(12),MORE", "A,#ORDINAL(1),B,#ORDINAL(2)", "#ORDINAL(5)",
       ",#ORDINAL(5)", "NAME,#ordinal(3)", "NAME,#ORDINAL 3", std::string(491, 'x') + "#ORDINAL("});
  removeOrdinals(lines);
  EXPECT_EQ(shown(lines), (Texts{"NAME", "  NAME", "A", "#ORDINAL(5)", "", "NAME,#ordinal(3)",
                                 "NAME,#ORDINAL 3", std::string(490, 'x')}));
}

TEST(ReferenceModelCorrections, RemoveGuidsNumbersDownwardsFromTheTop) {
  Lines lines = records({"!!> GUID('11111111-2222-3333-4444-555555555555')", "PLAIN LINE",
                         "!!> GUID('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee') REST",
                         "  !!> GUID('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee')",
                         "!!> Guid('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee')", "!!> GUID('XYZ')",
                         "!!> GUID('", "!!> GUID('" + std::string(490, 'g')});
  removeGuids(lines);
  EXPECT_EQ(shown(lines),
            (Texts{"!!> Ident(4294967295)", "PLAIN LINE", "!!> Ident(4294967294) REST",
                   "  !!> GUID('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee')",
                   "!!> Guid('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee')", "!!> Ident(4294967293)",
                   "!!> Ident(4294967292)", "!!> Ident(4294967291)" + std::string(452, 'g')}));
}

TEST(ReferenceModelCorrections, JoiningWorkedExamples) {
  EXPECT_EQ(joined("#FIELD", {"  #FIELD(A, |", "      B, |", "      C)", "NEXT"}),
            (Texts{"  #FIELD(A,B,C)", "NEXT"}));
  EXPECT_EQ(joined(",FONT('", {"  A('B'),FONT('C',8, |", "      D),E", "  F"}),
            (Texts{"  A('B'),FONT('C',8,D),E", "  F"}));
  EXPECT_EQ(joined(",AT(", {"  A('B'),AT(10,10, |", "      40,14),C", "  D('E'),AT(60,10,40,14)"}),
            (Texts{"  A('B'),AT(10,10,40,14),C", "  D('E'),AT(60,10,40,14)"}));
}

TEST(ReferenceModelCorrections, JoiningEdgeCases) {
  EXPECT_EQ(joined("#FIELD", {"X(1)#FIELD(Y |", "Z)"}), Texts{"X(1)#FIELD(YZ)"});
  // Without the continuation mark an open marker is no wrapped clause.
  const Texts comment = {"  ! TODO: place it ,AT( the bottom", "  x = 1", "  y = 2"};
  EXPECT_EQ(joined(",AT(", comment), comment);
  EXPECT_EQ(joined("#FIELD", {"! #FIELD(", "X #FIELD", "MORE"}),
            (Texts{"! #FIELD(", "X #FIELD", "MORE"}));
  // Only the mark is dropped: "x,AT(1,2,|" keeps its comma.
  EXPECT_EQ(joined(",AT(", {"x,AT(1,2,|", "3,4)"}), Texts{"x,AT(1,2,3,4)"});
  // A blank or unmarked continuation that leaves the clause open keeps the group as read.
  const Texts broken = {"#FIELD(ABCDEF |", "", "Q", "Z)", "#FIELD(G, |", "H, |", "I", "J)"};
  EXPECT_EQ(joined("#FIELD", broken), broken);
  EXPECT_EQ(joined(",AT(", {"X,AT(1,1),Y,AT(2, |", "3)"}), (Texts{"X,AT(1,1),Y,AT(2, |", "3)"}));
  EXPECT_EQ(joined(",FONT('", {",FONT('Name (x)',8, |", "B"}),
            (Texts{",FONT('Name (x)',8, |", "B"}));
  EXPECT_EQ(joined(",AT(", {",SEAT(1, |", ",at(1, |", "AT(1, |"}),
            (Texts{",SEAT(1, |", ",at(1, |", "AT(1, |"}));
  const std::string full = ",AT(" + std::string(Width - 5, '1') + "|";
  EXPECT_EQ(joined(",AT(", {full, ")"}), Texts{full.substr(0, Width - 1) + ")"});
}

TEST(ReferenceModelCorrections, AnUnfinishedGroupKeepsItsLinesAsRead) {
  EXPECT_EQ(joined("#FIELD", {"A", "  #FIELD(A, |", "      B, |"}),
            (Texts{"A", "  #FIELD(A, |", "      B, |"}));
  // Held text plus the next line would not fit: the group comes back and the next line
  // is tested as read, here opening a group of its own that then closes.
  const std::string wide = "#FIELD(" + std::string(300, 'w') + " |";
  const std::string wider = "   #FIELD(" + std::string(250, 'v') + " |";
  EXPECT_EQ(joined("#FIELD", {wide, wider, "  x)", "after"}),
            (Texts{wide, "   #FIELD(" + std::string(250, 'v') + "x)", "after"}));
  // Exactly 500 characters still fit.
  const std::string head = "#FIELD(" + std::string(489, 'h') + "   |";  // held: 496 characters
  EXPECT_EQ(joined("#FIELD", {head, "  abc)  "}),
            Texts{"#FIELD(" + std::string(489, 'h') + "abc)"});
}

TEST(ReferenceModelCorrections, CorrectionsRunInTheirFixedOrder) {
  // The ordinal cut comes first; what it leaves open goes on only with the mark.
  Lines lines = records({"#FIELD(A,#ORDINAL(1))", "  B)", ",AT(1, #ORDINAL(2) |", "  2)"});
  correct(lines, Corrections::all());
  EXPECT_EQ(shown(lines), (Texts{"#FIELD(A", "  B)", ",AT(1,", "  2)"}));
  // Every conversion numbers its identifiers afresh.
  const std::string guid = "!!> GUID('11111111-2222-3333-4444-555555555555')\r\n";
  EXPECT_EQ(convert(guid, Corrections::all()), convert(guid, Corrections::all()));
  EXPECT_EQ(convert(guid, {}), guid);
}

}  // namespace
}  // namespace tallowmere::model
