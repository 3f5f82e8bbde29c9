#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/process/ProcessProcedure.h"

namespace tallowmere::app {

// After a conversion in which the user cancelled passes, one notice says which and what the
// output file holds because of it; the passes after a cancelled one still ran, so the
// output exists and looks finished. Nothing is said when every pass ran to its end.
class CancelNotice {
 public:
  void importEnded(const framework::RunOutcome& outcome);
  void correctionEnded(std::string_view correction, const framework::RunOutcome& outcome);
  void exportEnded(const framework::RunOutcome& outcome);
  bool empty() const { return lines_.empty(); }
  // One sentence per cancelled pass; "|" starts a new line.
  std::string text() const;
  // Shows the notice (information, OK) when any pass was cancelled.
  void show() const;

  static constexpr const char* Caption = "Conversion Incomplete";

 private:
  std::vector<std::string> lines_;
};

}  // namespace tallowmere::app
