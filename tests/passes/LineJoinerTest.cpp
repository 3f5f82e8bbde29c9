#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "passes/LineJoiner.h"

namespace tallowmere::passes {
namespace {

using Lines = std::vector<std::string>;

// A plain table and scan over a vector, with optional failures, so the step is checked
// without the engine.
class VectorScan : public JoinTarget {
 public:
  explicit VectorScan(Lines lines) : lines_(std::move(lines)) {}

  // Runs the step over the lines; stopAfter handles only that many lines and then ends the
  // run as a cancel would.
  Lines run(std::string_view marker, std::size_t stopAfter = SIZE_MAX) {
    LineJoiner joiner(marker);
    std::size_t handled = 0;
    for (current_ = 0; current_ < lines_.size() && handled < stopAfter; ++handled) {
      buffer_.assign(lines_[current_]);
      removed_ = false;
      const auto outcome = joiner.take(buffer_, *this);
      if (outcome == LineJoiner::Outcome::PutFailed || outcome == LineJoiner::Outcome::DeleteFailed)
        break;
      if (!removed_) ++current_;
    }
    joiner.restoreGroup(*this, txa::KeptReason::DataEnded);
    return lines_;
  }

  int putCurrent() override {
    if (++puts_ == failPut) return 5;
    lines_[current_] = std::string(buffer_.clipped());
    return 0;
  }
  int removeCurrent() override {
    if (++removes_ == failRemove) return 5;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(current_));
    removed_ = true;
    return 0;
  }
  void restore(const runtime::LineText& line) override {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(current_),
                  std::string(line.clipped()));
    ++current_;
  }

  void groupKept(txa::KeptReason reason) override { kept.push_back(reason); }

  int failPut = 0;
  int failRemove = 0;
  std::vector<txa::KeptReason> kept;

 private:
  Lines lines_;
  std::size_t current_ = 0;
  bool removed_ = false;
  int puts_ = 0;
  int removes_ = 0;
  runtime::LineText buffer_;
};

Lines join(std::string_view marker, Lines lines) {
  return VectorScan(std::move(lines)).run(marker);
}

TEST(LineJoiner, WorkedExamplesOfTheThreeMarkers) {
  EXPECT_EQ(join("#FIELD", {"  #FIELD(A, |", "      B, |", "      C)", "NEXT"}),
            (Lines{"  #FIELD(A,B,C)", "NEXT"}));
  EXPECT_EQ(join(",FONT('", {"  A('B'),FONT('C',8, |", "      D),E", "  F"}),
            (Lines{"  A('B'),FONT('C',8,D),E", "  F"}));
  EXPECT_EQ(join(",AT(", {"  A('B'),AT(10,10, |", "      40,14),C", "  D('E'),AT(60,10,40,14)"}),
            (Lines{"  A('B'),AT(10,10,40,14),C", "  D('E'),AT(60,10,40,14)"}));
}

TEST(LineJoiner, WhatOpensAClauseAndWhatDoesNot) {
  // A ")" only before the marker does not close it.
  EXPECT_EQ(join("#FIELD", {"X(1)#FIELD(Y |", "Z)"}), (Lines{"X(1)#FIELD(YZ)"}));
  // Lowercase, missing comma, wrong character after the parenthesis: no marker.
  const Lines untouched = {"#field(a, |", "FONT('x', |", ",FONT(8, |", ",at(1, |", ",SEAT(1, |"};
  EXPECT_EQ(join("#FIELD", untouched), untouched);
  EXPECT_EQ(join(",FONT('", untouched), untouched);
  EXPECT_EQ(join(",AT(", untouched), untouched);
  // Only the first marker of a line is tested; any later ")" closes it.
  EXPECT_EQ(join(",AT(", {"X,AT(1,1),Y,AT(2, |", "3)"}), (Lines{"X,AT(1,1),Y,AT(2, |", "3)"}));
  EXPECT_EQ(join(",FONT('", {",FONT('Name (x)',8, |", "B"}), (Lines{",FONT('Name (x)',8, |", "B"}));
}

// Only a line that ends in the continuation mark goes on; anything else with an open
// marker is a comment, a string or a statement and keeps itself and what follows.
TEST(LineJoiner, OnlyTheContinuationMarkWrapsAClause) {
  const Lines comment = {"  ! TODO: place it ,AT( the bottom", "  x = 1", "  y = 2"};
  EXPECT_EQ(join(",AT(", comment), comment);
  const Lines prompt = {"  ! the #FIELD prompt lists the columns", "  %Columns MULTI LONG  ()",
                        "#FIELD(A, |", "B)"};
  EXPECT_EQ(join("#FIELD", prompt), (Lines{prompt[0], prompt[1], "#FIELD(A,B)"}));
  // The mark alone is dropped, so text right before it is kept; blanks before it go.
  EXPECT_EQ(join(",AT(", {"x,AT(1,2,|", "3,4)"}), (Lines{"x,AT(1,2,3,4)"}));
  EXPECT_EQ(join(",AT(", {"x,AT(1,2,   |  ", "  3,4)"}), (Lines{"x,AT(1,2,3,4)"}));
  // A line that brings only the mark keeps the clause open without adding to it.
  EXPECT_EQ(join(",AT(", {"L,AT(0,0, |", "   |", "  |", " 1,2)"}), (Lines{"L,AT(0,0,1,2)"}));
}

// A continuation that neither closes the clause nor goes on ends the group unjoined: its
// lines stay as read and the breaking line is tested as read.
TEST(LineJoiner, ABrokenContinuationKeepsTheGroupAsRead) {
  const Lines blank = {"  LIST,AT(0,0, |", "", "     40,14),USE(?L)", "after"};
  EXPECT_EQ(join(",AT(", blank), blank);
  const Lines shortOne = {"#FIELD(ABCD |", "y", "x)"};
  EXPECT_EQ(join("#FIELD", shortOne), shortOne);
  const Lines longer = {"W,FONT('A', |", "  10, |", "  ,FONT:bold", "  B,FONT('C', |", "   8)"};
  EXPECT_EQ(join(",FONT('", longer),
            (Lines{"W,FONT('A', |", "  10, |", "  ,FONT:bold", "  B,FONT('C',8)"}));
  // A marker at the very end of a line opens nothing that goes on.
  const Lines markerAtEnd = {"A #FIELD", "next", "after"};
  EXPECT_EQ(join("#FIELD", markerAtEnd), markerAtEnd);
}

TEST(LineJoiner, AFullLineThatOpensIsHeldWithoutItsMark) {
  const std::string full = "#FIELD(" + std::string(492, 'a') + "|";
  ASSERT_EQ(full.size(), 500u);
  EXPECT_EQ(join("#FIELD", {full, ")"}), (Lines{full.substr(0, 499) + ")"}));
}

TEST(LineJoiner, LinesGoDownByOnePerHeldLine) {
  const Lines in = {"a", "#FIELD(1, |", "2, |", "3)", "b", ",AT(1 |", "2)"};
  EXPECT_EQ(join("#FIELD", in).size(), in.size() - 2);
}

// A group that cannot be completed keeps its lines exactly as they were read.
TEST(LineJoiner, GroupOpenAtTheEndOfTheDataIsRestored) {
  const Lines in = {"first", "  #FIELD(A, |", "      B, |", "      C, |"};
  EXPECT_EQ(join("#FIELD", in), in);
  // A clause may run on for very many lines (each continuation bringing only the mark).
  Lines runOn = {"#FIELD(x |"};
  for (int i = 0; i < 3000; ++i) runOn.push_back(std::string(1 + i % 10, ' ') + "|");
  EXPECT_EQ(join("#FIELD", runOn), runOn);
}

TEST(LineJoiner, GroupCancelledPartWayIsRestoredInPlace) {
  const Lines in = {"first", "  #FIELD(A, |", "      B, |", "      C)", "last"};
  EXPECT_EQ(VectorScan(in).run("#FIELD", 3), in);
}

TEST(LineJoiner, OverlongJoinRestoresTheGroupAndTheFollowingLinesSurvive) {
  const std::string open = "#FIELD(" + std::string(300, 'a') + ", |";
  const std::string wide = "    " + std::string(250, 'b') + ", |";
  Lines in = {open, wide};
  for (int i = 0; i < 50; ++i) in.push_back("ordinary line " + std::to_string(i));
  // The continuation that would overflow is tested as read: here it opens nothing.
  EXPECT_EQ(join("#FIELD", in), in);

  // An overflowing continuation that opens a clause of its own starts a new group.
  const Lines second = {open, "  #FIELD(" + std::string(250, 'c') + " |", "z)"};
  EXPECT_EQ(join("#FIELD", second), (Lines{open, "  #FIELD(" + std::string(250, 'c') + "z)"}));
}

TEST(LineJoiner, JoinOfExactly500CharactersStillJoins) {
  const std::string open = "#FIELD(" + std::string(300, 'a') + " |";  // held: 307 characters
  const std::string rest = std::string(192, 'b') + ")";               // 193 characters
  EXPECT_EQ(join("#FIELD", {open, "   " + rest}), (Lines{open.substr(0, 307) + rest}));
}

TEST(LineJoiner, FailedWritesAndDeletionsLoseNoLine) {
  const Lines in = {"zero", "#FIELD(A, |", "B, |", "C)", "after"};
  VectorScan failingPut(in);
  failingPut.failPut = 2;  // the put of the joined line
  EXPECT_EQ(failingPut.run("#FIELD"), in);

  VectorScan failingDelete(in);
  failingDelete.failRemove = 2;  // the deletion of the second line of the group
  EXPECT_EQ(failingDelete.run("#FIELD"), in);
}

}  // namespace
}  // namespace tallowmere::passes
