#include "model/ReferenceModel.h"

#include <cstdint>

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
  while (at < file.size()) {
    const char c = file[at++];
    if (c == ControlZ) break;
    if (c == '\r' && at < file.size() && file[at] == '\n') {
      ++at;
      break;
    }
    if (text.size() >= Width) continue;
    if (c == '\t') {
      text.append(TabStop - text.size() % TabStop, ' ');
    } else {
      text.push_back(c);
    }
  }
  return {pad(text), at - start};
}

class Joiner {
 public:
  Joiner(Lines& out, std::string_view marker) : out_(out), marker_(marker) {}

  void take(const std::string& line) {
    std::string current = line;
    if (!isEmpty(held_)) {
      const std::string joined = std::string(clip(held_)) + std::string(skipLeading(line));
      if (clip(joined).size() > Width || (opensClause(joined) && !endsInMark(joined))) {
        // Joining would cut text off, or the line neither closes the clause nor goes on:
        // the group comes back as read, and this line is tested on its own.
        giveBackGroup();
      } else {
        current = pad(joined);
        held_.clear();
      }
    }
    if (opensClause(current) && endsInMark(current)) {
      const std::string_view text = clip(current);
      held_ = text.substr(0, text.size() - 1);
      group_.push_back(line);
      return;
    }
    out_.push_back(current);
    group_.clear();
  }

  // The data ended: a group still open keeps its lines as they were read.
  void finish() {
    if (!isEmpty(held_)) giveBackGroup();
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

  void giveBackGroup() {
    out_.insert(out_.end(), group_.begin(), group_.end());
    group_.clear();
    held_.clear();
  }

  Lines& out_;
  std::string_view marker_;
  std::string held_;
  Lines group_;
};

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
    if (line.compare(0, 10, "!!> GUID('") != 0) continue;
    line = pad("!!> Ident(" + std::to_string(ident) + ")" + line.substr(48));
    --ident;
  }
}

void removeOrdinals(Lines& lines) {
  for (std::string& line : lines) {
    const std::size_t at = line.find("#ORDINAL(");
    // Only a marker from the third character on leaves something to cut before it.
    if (at != std::string::npos && at >= 1) line = pad(line.substr(0, at - 1));
  }
}

void joinClauses(Lines& lines, std::string_view marker) {
  Lines joined;
  Joiner joiner(joined, marker);
  for (const std::string& line : lines) joiner.take(line);
  joiner.finish();
  lines = std::move(joined);
}

void correct(Lines& lines, const Corrections& corrections) {
  if (corrections.removeGuids) removeGuids(lines);
  if (corrections.removeOrdinals) removeOrdinals(lines);
  if (corrections.correctHashField) joinClauses(lines, "#FIELD");
  if (corrections.correctWindowFont) joinClauses(lines, ",FONT('");
  if (corrections.correctAT) joinClauses(lines, ",AT(");
}

std::string convert(std::string_view file, const Corrections& corrections) {
  Lines lines = readRecords(file);
  correct(lines, corrections);
  return writeLines(lines);
}

}  // namespace tallowmere::model
