#include "model/ReferenceModel.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tallowmere::model {

namespace {

constexpr char ControlZ = 26;
constexpr std::size_t TabStop = 8;

std::string_view skipLeading(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

bool isEmpty(std::string_view text) {
  return clip(text).empty();
}

// Reads one line from position at, which holds neither the end nor a control-Z.
ReadLine readOne(std::string_view file, std::size_t& at) {
  const std::size_t start = at;
  std::string text;
  bool cut = false;
  while (at < file.size()) {
    const char c = file[at++];
    if (c == ControlZ) break;
    if (c == '\r' && at < file.size() && file[at] == '\n') {
      ++at;
      break;
    }
    if (text.size() >= Width) {
      cut = cut || (c != ' ' && c != '\t');
      continue;
    }
    if (c == '\t') {
      text.append(TabStop - text.size() % TabStop, ' ');
    } else {
      text.push_back(c);
    }
  }
  const std::string_view taken = file.substr(start, at - start);
  return {pad(text), taken.size(), cut,
          static_cast<std::uint64_t>(std::count(taken.begin(), taken.end(), '\n'))};
}

// Joins over lines that carry the input line number they began at, counting as it goes.
class Joiner {
 public:
  Joiner(Lines& out, std::vector<std::uint64_t>& origins, std::string_view marker,
         Tally::Join& tally)
      : out_(out), origins_(origins), marker_(marker), tally_(tally) {}

  void take(const std::string& line, std::uint64_t origin) {
    std::string current = line;
    if (!isEmpty(held_)) {
      const std::string joined = std::string(clip(held_)) + std::string(skipLeading(line));
      if (clip(joined).size() > Width) {
        // Joining would cut text off: the group comes back as read, and this line is
        // tested on its own.
        giveBackGroup("too_long");
      } else if (opensClause(joined) && !endsInMark(joined)) {
        // The line neither closes the clause nor goes on: the same.
        giveBackGroup("continuation_broken");
      } else {
        current = pad(joined);
        held_.clear();
      }
    }
    if (opensClause(current) && endsInMark(current)) {
      const std::string_view text = clip(current);
      held_ = text.substr(0, text.size() - 1);
      group_.push_back(line);
      groupOrigins_.push_back(origin);
      return;
    }
    out_.push_back(current);
    if (group_.empty()) {
      origins_.push_back(origin);
    } else {
      origins_.push_back(groupOrigins_.front());
      ++tally_.clausesJoined;
      tally_.linesRemoved += group_.size();
    }
    group_.clear();
    groupOrigins_.clear();
  }

  // The data ended: a group still open keeps its lines as they were read.
  void finish() {
    if (!isEmpty(held_)) giveBackGroup("data_ended");
  }

 private:
  static bool endsInMark(std::string_view line) {
    const std::string_view text = clip(line);
    return !text.empty() && text.back() == '|';
  }

  bool opensClause(const std::string& line) const {
    const std::size_t at = line.find(marker_);
    return at != std::string::npos && line.find(')', at) == std::string::npos;
  }

  void giveBackGroup(const char* reason) {
    tally_.kept.push_back({groupOrigins_.front(), reason});
    out_.insert(out_.end(), group_.begin(), group_.end());
    origins_.insert(origins_.end(), groupOrigins_.begin(), groupOrigins_.end());
    group_.clear();
    groupOrigins_.clear();
    held_.clear();
  }

  Lines& out_;
  std::vector<std::uint64_t>& origins_;
  std::string_view marker_;
  Tally::Join& tally_;
  std::string held_;
  Lines group_;
  std::vector<std::uint64_t> groupOrigins_;
};

// Joins lines, whose input line numbers origins holds, and keeps both in step.
void joinCounting(Lines& lines, std::vector<std::uint64_t>& origins, std::string_view marker,
                  Tally::Join& tally) {
  Lines joined;
  std::vector<std::uint64_t> joinedOrigins;
  Joiner joiner(joined, joinedOrigins, marker, tally);
  for (std::size_t i = 0; i < lines.size(); ++i) joiner.take(lines[i], origins[i]);
  joiner.finish();
  lines = std::move(joined);
  origins = std::move(joinedOrigins);
}

bool startsWithGuid(const std::string& line) {
  return line.compare(0, 10, "!!> GUID('") == 0;
}

// Only a marker from the second character on leaves something to cut before it.
bool cutsAtOrdinal(const std::string& line) {
  const std::size_t at = line.find("#ORDINAL(");
  return at != std::string::npos && at >= 1;
}

}  // namespace

std::string pad(std::string_view text) {
  std::string record(text.substr(0, Width));
  record.resize(Width, ' ');
  return record;
}

std::string_view clip(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::vector<ReadLine> readLines(std::string_view file) {
  std::vector<ReadLine> lines;
  std::size_t at = 0;
  while (at < file.size() && file[at] != ControlZ) lines.push_back(readOne(file, at));
  return lines;
}

Lines readRecords(std::string_view file) {
  Lines records;
  for (ReadLine& line : readLines(file)) records.push_back(std::move(line.record));
  return records;
}

std::string writeLines(const Lines& lines) {
  std::string file;
  for (const std::string& line : lines) {
    file += clip(line);
    file += "\r\n";
  }
  return file;
}

void removeGuids(Lines& lines) {
  std::uint32_t ident = 4294967295u;
  for (std::string& line : lines) {
    if (!startsWithGuid(line)) continue;
    line = pad("!!> Ident(" + std::to_string(ident) + ")" + line.substr(48));
    --ident;
  }
}

void removeOrdinals(Lines& lines) {
  for (std::string& line : lines) {
    if (cutsAtOrdinal(line)) line = pad(line.substr(0, line.find("#ORDINAL(") - 1));
  }
}

void joinClauses(Lines& lines, std::string_view marker) {
  std::vector<std::uint64_t> origins(lines.size());
  Tally::Join ignored;
  joinCounting(lines, origins, marker, ignored);
}

void correct(Lines& lines, const Corrections& corrections) {
  if (corrections.removeGuids) removeGuids(lines);
  if (corrections.removeOrdinals) removeOrdinals(lines);
  if (corrections.correctHashField) joinClauses(lines, "#FIELD");
  if (corrections.correctWindowFont) joinClauses(lines, ",FONT('");
  if (corrections.correctAT) joinClauses(lines, ",AT(");
}

Tally tally(std::string_view file, const Corrections& corrections) {
  Tally tally;
  Lines lines;
  std::vector<std::uint64_t> origins;
  std::uint64_t lineFeeds = 0;
  for (ReadLine& line : readLines(file)) {
    lines.push_back(std::move(line.record));
    origins.push_back(lineFeeds + 1);
    lineFeeds += line.lineFeeds;
    tally.linesTruncated += line.cut;
  }
  tally.linesRead = lines.size();
  if (corrections.removeGuids) {
    tally.linesReplaced = std::count_if(lines.begin(), lines.end(), startsWithGuid);
    removeGuids(lines);
  }
  if (corrections.removeOrdinals) {
    tally.linesCut = std::count_if(lines.begin(), lines.end(), cutsAtOrdinal);
    removeOrdinals(lines);
  }
  for (const auto& [marker, chosen] : {std::pair{"#FIELD", corrections.correctHashField},
                                       {",FONT('", corrections.correctWindowFont},
                                       {",AT(", corrections.correctAT}}) {
    if (chosen) joinCounting(lines, origins, marker, tally.joins[marker]);
  }
  tally.linesWritten = lines.size();
  return tally;
}

std::string convert(std::string_view file, const Corrections& corrections) {
  Lines lines = readRecords(file);
  correct(lines, corrections);
  return writeLines(lines);
}

}  // namespace tallowmere::model
