#pragma once

#include <string>
#include <vector>

#include "txa/ConversionReport.h"

namespace tallowmere::app {

// 4194304 as "4,194,304": counts of millions of lines are read at a glance.
std::string grouped(std::int64_t number);

// The exit status of a conversion that ran to its end: every chosen correction applied
// everywhere, or not.
inline constexpr int ConvertedStatus = 0;
inline constexpr int FailedStatus = 1;
inline constexpr int NotAppliedStatus = 3;
inline constexpr int DiffersStatus = 4;  // --check: the output would differ from the input
int conversionStatus(const txa::ConversionReport& report);

// The status of a run of several conversions: the worse of two. A failure is worst, then
// an output that would differ, then a correction not applied everywhere.
int worseStatus(int one, int other);

// One line per pass: its operation name, a colon, and what it did ("Correcting AT: 5
// clauses joined, 9 lines removed, 1 group kept as read").
std::vector<std::string> summaryLines(const txa::ConversionReport& report);

// One line per line cut at 500 characters (the first few, then how many more) and per group
// kept as read, in the FILE:LINE: text form editors jump to, with input the name of the
// input as given.
std::vector<std::string> warningLines(const txa::ConversionReport& report,
                                      const std::string& input);

// The window's notice after a conversion that could not apply every chosen correction
// everywhere to lines read whole: how many lines were cut at 500 characters and how many
// groups were kept as read, the first few of each with their input line (and why), and
// the passes that ended by a failure. "|" starts a new line. Its caption says whether
// anything but cut lines is in it.
inline constexpr const char* NotAppliedCaption = "Corrections Not Applied";
inline constexpr const char* LinesCutCaption = "Lines Cut";
std::string notAppliedNotice(const txa::ConversionReport& report);
const char* notAppliedCaption(const txa::ConversionReport& report);

// Why a group was kept, as the warnings say it, and as the JSON report names it.
std::string reasonText(txa::KeptReason reason);
std::string reasonName(txa::KeptReason reason);

}  // namespace tallowmere::app
