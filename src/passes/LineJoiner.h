#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/text/FixedText.h"
#include "txa/ConversionReport.h"

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
  virtual void restore(const runtime::LineText& line) = 0;
  // The held group is about to be put back, for this reason.
  virtual void groupKept(txa::KeptReason reason) = 0;
};

// The step shared by the passes that join a clause wrapped over several lines. The
// environment ends every line of a wrapped clause with the continuation mark "|", so a line
// is held (and removed) only when the marker opens a clause that no ")" closes and the
// line's text ends in that mark; the held text loses the mark, and the lines after it are
// appended to it until one brings the ")". A marker in a comment, a string or a statement
// that goes on in no such way leaves its line and the lines after it alone.
//
// A group that cannot be completed never loses text: when the joined text would not fit
// in one line, or a continuation neither closes the clause nor goes on with the mark, the
// lines the group took are put back at once exactly as they were read and the line that
// broke the group is tested as read; when the run ends while text is held (a failed write
// or deletion ends it too), restoreGroup puts them back.
class LineJoiner {
 public:
  using KeptReason = txa::KeptReason;
  // Joined: the line written completes a group of joinedLines() lines.
  enum class Outcome { Written, Joined, Held, PutFailed, DeleteFailed };

  explicit LineJoiner(std::string_view marker) : marker_(marker) {}

  Outcome take(runtime::LineText& line, JoinTarget& target);
  bool holding() const { return !LOC_LINE.isBlank(); }
  // Lines in the group the last Joined outcome completed, its closing line included.
  std::size_t joinedLines() const { return joinedLines_; }
  // Lines of the group held now; 1 right after a line opened it.
  std::size_t heldLines() const { return groupEnds_.size(); }
  // Puts the held group's lines back as read, if there is one; call when the run ends.
  void restoreGroup(JoinTarget& target, KeptReason reason);

 private:
  bool joinWithHeld(runtime::LineText& line);
  bool opensClause(const runtime::LineText& line) const;
  bool wrapsOn(const runtime::LineText& line) const;
  void hold(const runtime::LineText& line);
  void keepInGroup(std::string_view original);
  void forgetGroup();

  std::string_view marker_;
  runtime::LineText LOC_LINE;  // the held text
  // The removed lines of the held group, as read, end to end in one buffer, each ending at
  // its entry of groupEnds_: a clause may run on for a million lines, and one string per
  // line would cost an allocation and far more memory than the text.
  std::string groupText_;
  std::vector<std::size_t> groupEnds_;
  std::string current_;  // a line joined to held text, as read
  std::string joined_;   // reused for every join
  std::size_t joinedLines_ = 0;
};

}  // namespace tallowmere::passes
