#pragma once

#include <string>

#include "txa/ConversionReport.h"

namespace tallowmere::app {

// After a conversion in which the user cancelled passes, one notice says which and what the
// output file holds because of it; the passes after a cancelled one still ran, so the
// output exists and looks finished. Nothing is said when every pass ran to its end.
inline constexpr const char* CancelNoticeCaption = "Conversion Incomplete";

// One sentence per cancelled pass of a pipeline's report; "|" starts a new line. Empty when
// no pass was cancelled.
std::string cancelNoticeText(const txa::ConversionReport& report);

// Shows the notice (information, OK) when any pass was cancelled.
void showCancelNotice(const txa::ConversionReport& report);

}  // namespace tallowmere::app
