#include "passes/LineJoiner.h"

namespace tallowmere::passes {

namespace {
constexpr std::string_view ClosingText = ")";
constexpr std::size_t DroppedAtHold = 2;
}  // namespace

LineJoiner::Outcome LineJoiner::take(runtime::LineText& line, JoinTarget& target) {
  current_.assign(line.clipped());
  if (holding() && !joinWithHeld(line)) restoreGroup(target);

  if (opensClause(line)) {
    if (target.removeCurrent() != 0) {
      restoreGroup(target);
      return Outcome::DeleteFailed;
    }
    hold(line);
    group_.push_back(current_);
    return Outcome::Held;
  }
  if (target.putCurrent() != 0) {
    restoreGroup(target);
    return Outcome::PutFailed;
  }
  group_.clear();
  return Outcome::Written;
}

// Joins the held text and the line into the line; false when together they would not fit
// in one line (the line is then left as read).
bool LineJoiner::joinWithHeld(runtime::LineText& line) {
  const std::string_view held = LOC_LINE.clipped();
  const std::string_view continuation = runtime::clip(runtime::skipLeadingBlanks(line.view()));
  if (held.size() + continuation.size() > runtime::LineWidth) return false;
  std::string joined;
  joined.reserve(held.size() + continuation.size());
  joined.append(held).append(continuation);
  line.assign(joined);
  LOC_LINE.clear();
  return true;
}

bool LineJoiner::opensClause(const runtime::LineText& line) const {
  const int POS = line.find(marker_);
  if (POS == 0) return false;
  const int BRACKETPOS = line.find(ClosingText, POS);
  return BRACKETPOS == 0;
}

void LineJoiner::hold(const runtime::LineText& line) {
  const std::string_view text = line.clipped();
  LOC_LINE.assign(text.substr(0, text.size() - std::min(text.size(), DroppedAtHold)));
}

void LineJoiner::restoreGroup(JoinTarget& target) {
  for (const std::string& original : group_) target.restore(runtime::LineText(original));
  group_.clear();
  LOC_LINE.clear();
}

}  // namespace tallowmere::passes
