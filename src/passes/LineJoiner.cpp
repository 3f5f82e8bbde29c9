#include "passes/LineJoiner.h"

namespace tallowmere::passes {

namespace {
constexpr std::string_view ClosingText = ")";
constexpr char ContinuationMark = '|';
}  // namespace

LineJoiner::Outcome LineJoiner::take(runtime::LineText& line, JoinTarget& target) {
  // Only a join changes the line before it may be held, so only then is it copied first.
  bool joined = false;
  if (holding()) {
    current_.assign(line.clipped());
    joined = joinWithHeld(line);
    if (!joined || (opensClause(line) && !wrapsOn(line))) {
      // The group cannot go on: its lines stay as read, and so does this one.
      if (joined) line.assign(current_);
      restoreGroup(target, joined ? KeptReason::ContinuationBroken : KeptReason::TooLong);
      joined = false;
    }
  }

  if (wrapsOn(line)) {
    if (target.removeCurrent() != 0) return Outcome::DeleteFailed;
    hold(line);
    keepInGroup(joined ? std::string_view(current_) : line.clipped());
    return Outcome::Held;
  }
  if (target.putCurrent() != 0) return Outcome::PutFailed;
  joinedLines_ = joined ? groupEnds_.size() + 1 : 0;
  forgetGroup();
  return joined ? Outcome::Joined : Outcome::Written;
}

// Joins the held text and the line into the line; false when together they would not fit
// in one line (the line is then left as read).
bool LineJoiner::joinWithHeld(runtime::LineText& line) {
  const std::string_view held = LOC_LINE.clipped();
  const std::string_view continuation = runtime::skipLeadingBlanks(line.clipped());
  if (held.size() + continuation.size() > runtime::LineWidth) return false;
  joined_.assign(held).append(continuation);
  line.assign(joined_);
  LOC_LINE.clear();
  return true;
}

bool LineJoiner::opensClause(const runtime::LineText& line) const {
  const runtime::TextPosition POS = line.find(marker_);
  if (!POS) return false;
  const runtime::TextPosition BRACKETPOS = line.find(ClosingText, POS.position());
  return !BRACKETPOS;
}

// An open clause that the line says goes on in the next one.
bool LineJoiner::wrapsOn(const runtime::LineText& line) const {
  const std::string_view text = line.clipped();
  return !text.empty() && text.back() == ContinuationMark && opensClause(line);
}

// Drops only the mark: the blank the environment puts before it goes with the clipping at
// the join, and text right before the mark stays.
void LineJoiner::hold(const runtime::LineText& line) {
  const std::string_view text = line.clipped();
  LOC_LINE.assign(text.substr(0, text.size() - 1));
}

void LineJoiner::keepInGroup(std::string_view original) {
  groupText_.append(original);
  groupEnds_.push_back(groupText_.size());
}

void LineJoiner::forgetGroup() {
  groupText_.clear();
  groupEnds_.clear();
}

void LineJoiner::restoreGroup(JoinTarget& target, KeptReason reason) {
  if (groupEnds_.empty()) return;
  target.groupKept(reason);
  runtime::LineText original;
  std::size_t start = 0;
  for (const std::size_t end : groupEnds_) {
    original.assign(std::string_view(groupText_).substr(start, end - start));
    target.restore(original);
    start = end;
  }
  forgetGroup();
  LOC_LINE.clear();
}

}  // namespace tallowmere::passes
