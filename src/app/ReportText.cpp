#include "app/ReportText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tallowmere::app {

namespace {

struct ReasonWords {
  const char* name;
  const char* text;
};

ReasonWords wordsFor(txa::KeptReason reason) {
  switch (reason) {
    case txa::KeptReason::DataEnded:
      return {"data_ended", "the data ended with the clause open"};
    case txa::KeptReason::Cancelled:
      return {"cancelled", "the pass was cancelled"};
    case txa::KeptReason::TooLong:
      return {"too_long", "the joined line would exceed 500 characters"};
    case txa::KeptReason::ContinuationBroken:
      return {"continuation_broken",
              "its continuation is broken (a line neither closes it nor ends in the "
              "continuation mark)"};
    case txa::KeptReason::PassFailed:
      return {"pass_failed", "the pass ended with an error"};
  }
  return {"unknown", "for an unknown reason"};
}

// Kept groups a notice names one by one; a terminal shows no more lines comfortably.
constexpr std::size_t NoticeGroups = 5;

constexpr const char* LineCut = "line cut at 500 characters";
constexpr const char* LineFeedsOnly = "the file's lines seem to end in LF only";

std::string counted(std::uint64_t count, const std::string& singular, const std::string& plural) {
  return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

// "lines read" for any count but 1, which reads "1 line read".
std::string countText(const txa::PassCount& count) {
  const std::size_t space = count.what.find(' ');
  std::string singular = count.what;
  if (space != std::string::npos && space > 0 && count.what[space - 1] == 's')
    singular.erase(space - 1, 1);
  return counted(count.value, singular, count.what);
}

std::string passLine(const txa::PassReport& pass) {
  std::string line = pass.pass + ": ";
  if (pass.cancelled) line += "cancelled; ";
  for (const txa::PassCount& count : pass.counts) {
    if (&count != &pass.counts.front()) line += ", ";
    line += countText(count);
  }
  if (!pass.kept.empty())
    line += ", " + counted(pass.kept.size(), "group kept as read", "groups kept as read");
  for (const int failure : pass.failures) line += "; ended by message " + std::to_string(failure);
  return line;
}

// "|and 3 more." after the first few of a list a notice names one by one.
std::string andMore(std::uint64_t all, std::uint64_t shown) {
  return all > shown ? "|and " + std::to_string(all - shown) + " more." : "";
}

// The lines the import cut, for the notice.
std::string cutLinesText(const txa::ConversionReport& report) {
  std::string text;
  for (const txa::PassReport& pass : report.passes()) {
    if (pass.truncated == 0) continue;
    text = pass.truncated == 1
               ? "1 line was longer than 500 characters; only its first 500 are kept:"
               : std::to_string(pass.truncated) +
                     " lines were longer than 500 characters; only their first 500 are kept:";
    for (const txa::CutLine& cut : pass.firstTruncated) {
      text += "|line " + std::to_string(cut.line) +
              (cut.lineFeedsInside ? std::string(": ") + LineFeedsOnly : "");
    }
    text += andMore(pass.truncated, pass.firstTruncated.size());
  }
  return text;
}

// The groups kept as read, in input order, for the notice.
std::string keptGroupsText(const txa::ConversionReport& report) {
  struct Named {
    txa::KeptGroup group;
    const std::string* marker;
  };
  std::vector<Named> groups;
  for (const txa::PassReport& pass : report.passes())
    for (const txa::KeptGroup& group : pass.kept) groups.push_back({group, &pass.marker});
  if (groups.empty()) return {};
  std::stable_sort(groups.begin(), groups.end(),
                   [](const Named& a, const Named& b) { return a.group.line < b.group.line; });
  std::string text = groups.size() == 1
                         ? "1 wrapped clause was not joined; its lines stay as read:"
                         : std::to_string(groups.size()) +
                               " wrapped clauses were not joined; their lines stay as read:";
  const std::size_t shown = std::min(groups.size(), NoticeGroups);
  for (std::size_t i = 0; i < shown; ++i) {
    text += "|line " + std::to_string(groups[i].group.line) + ", " + *groups[i].marker + " " +
            reasonText(groups[i].group.reason);
  }
  return text + andMore(groups.size(), shown);
}

}  // namespace

std::string grouped(std::int64_t number) {
  std::string digits = std::to_string(number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
  return digits;
}

int conversionStatus(const txa::ConversionReport& report) {
  return report.allApplied() ? ConvertedStatus : NotAppliedStatus;
}

int worseStatus(int one, int other) {
  constexpr std::array<int, 4> Mildest{ConvertedStatus, NotAppliedStatus, DiffersStatus,
                                       FailedStatus};
  const auto rank = [&](int status) { return std::find(Mildest.begin(), Mildest.end(), status); };
  return rank(one) < rank(other) ? other : one;
}

std::vector<std::string> summaryLines(const txa::ConversionReport& report) {
  std::vector<std::string> lines;
  for (const txa::PassReport& pass : report.passes()) lines.push_back(passLine(pass));
  return lines;
}

std::vector<std::string> warningLines(const txa::ConversionReport& report,
                                      const std::string& input) {
  std::vector<std::string> lines;
  for (const txa::PassReport& pass : report.passes()) {
    for (const txa::CutLine& cut : pass.firstTruncated) {
      lines.push_back(input + ":" + std::to_string(cut.line) + ": " + LineCut +
                      (cut.lineFeedsInside ? std::string("; ") + LineFeedsOnly : ""));
    }
    if (const std::uint64_t more = pass.truncated - pass.firstTruncated.size(); more != 0) {
      lines.push_back(
          input + ": " +
          counted(more, "more line cut at 500 characters", "more lines cut at 500 characters"));
    }
    for (const txa::KeptGroup& group : pass.kept) {
      lines.push_back(input + ":" + std::to_string(group.line) + ": " + pass.marker +
                      " clause not joined: " + reasonText(group.reason));
    }
  }
  return lines;
}

std::string notAppliedNotice(const txa::ConversionReport& report) {
  std::string text;
  for (const std::string& part : {cutLinesText(report), keptGroupsText(report)})
    if (!part.empty()) text += (text.empty() ? "" : "|") + part;
  for (const txa::PassReport& pass : report.passes()) {
    for (const int failure : pass.failures) {
      text += (text.empty() ? "" : "|") + pass.pass + " ended by message " +
              std::to_string(failure) + ".";
    }
  }
  return text;
}

const char* notAppliedCaption(const txa::ConversionReport& report) {
  const bool onlyCut = std::all_of(
      report.passes().begin(), report.passes().end(),
      [](const txa::PassReport& pass) { return pass.kept.empty() && pass.failures.empty(); });
  return onlyCut ? LinesCutCaption : NotAppliedCaption;
}

std::string reasonText(txa::KeptReason reason) {
  return wordsFor(reason).text;
}

std::string reasonName(txa::KeptReason reason) {
  return wordsFor(reason).name;
}

}  // namespace tallowmere::app
