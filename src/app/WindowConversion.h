#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/ChosenFiles.h"
#include "app/ConversionOptions.h"
#include "txa/ConversionReport.h"

namespace tallowmere::app {

// One file the window was asked to convert, and how that went.
struct FileConversion {
  std::string import;
  std::string output;
  // Why it was not converted, as a clause ("Orders.txa is missing"); empty when it was.
  std::string problem;
  txa::ConversionReport report;

  bool converted() const { return problem.empty(); }
};

// Why import cannot be converted into output, checked before anything is read or written:
// the import is missing or cannot be read, the output is the import itself, or it cannot
// be written. Nothing when it can.
std::optional<std::string> conversionProblem(const std::string& import, const std::string& output);

// Why a file dropped on the window or pasted into it cannot be an import: it is missing,
// cannot be read, is empty or is not text. Nothing when it can.
std::optional<std::string> givenFileProblem(const std::string& path);

// Converts every chosen import, one after the other, each into its own export; a file
// that cannot be converted is passed over.
std::vector<FileConversion> convertChosen(const ChosenFiles& files,
                                          const ConversionOptions& options);

// What Process did, in one line for the window ("Orders.txa → Orders-C6.txa: 12,345 lines
// written, 340 clauses joined").
std::string statusLine(const std::vector<FileConversion>& conversions);

// The one notice after Process, when there is anything to tell: for a single file what
// the conversion left undone or why it did not run, for several the files not converted
// wholly.
void showConversionNotices(const std::vector<FileConversion>& conversions);

}  // namespace tallowmere::app
