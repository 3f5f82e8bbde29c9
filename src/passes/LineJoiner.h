#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/text/FixedText.h"

namespace tallowmere::passes {

// What the joining step needs of the table it scans: the current line is the record
// buffer the step was handed.
class JoinTarget {
 public:
  virtual ~JoinTarget() = default;
  // Writes the record buffer back over the current line; 0 or an error code.
  virtual int putCurrent() = 0;
  // Deletes the current line; the scan goes on with the next one.
  virtual int removeCurrent() = 0;
  // Puts a line back at the scan position, before the current line (or where it stood).
  virtual int restore(const runtime::LineText& line) = 0;
};

// The step shared by the passes that join a clause wrapped over several lines: a line in
// which the marker opens a clause that no ")" closes is held and removed, and the lines
// after it are appended to it until one brings the ")".
//
// A group that cannot be completed never loses text: when the joined text would not fit
// in one line, when the run ends while text is held, or when writing the group's result
// fails, the lines the group took are put back exactly as they were read.
class LineJoiner {
 public:
  enum class Outcome { Written, Held, PutFailed, DeleteFailed };

  explicit LineJoiner(std::string_view marker) : marker_(marker) {}

  Outcome take(runtime::LineText& line, JoinTarget& target);
  bool holding() const { return !LOC_LINE.isBlank(); }
  // Puts the held group's lines back as read; call when the run ends.
  void restoreGroup(JoinTarget& target);

 private:
  bool joinWithHeld(runtime::LineText& line);
  bool opensClause(const runtime::LineText& line) const;
  void hold(const runtime::LineText& line);

  std::string_view marker_;
  runtime::LineText LOC_LINE;  // the held text
  std::vector<std::string> group_;  // the removed lines of the held group, as read
  std::string current_;  // the current line as read, kept while it may join a group
};

}  // namespace tallowmere::passes
