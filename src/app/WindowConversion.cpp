#include "app/WindowConversion.h"

#include <cctype>

#include "app/CancelNotice.h"
#include "app/ConversionNotice.h"
#include "app/FilePaths.h"
#include "app/Pipeline.h"
#include "app/ReportText.h"
#include "runtime/files/AtomicFile.h"
#include "runtime/files/ErrorState.h"
#include "runtime/files/FileSystem.h"
#include "runtime/ui/MessageBox.h"
#include "txa/TxaFiles.h"

namespace tallowmere::app {

namespace {

constexpr const char* NotConvertedCaption = "Not Converted";

std::string cause() {
  const runtime::ErrorState& error = runtime::lastError();
  return error.driverText.empty() ? error.text : error.driverText;
}

std::optional<std::string> importProblem(const std::string& import) {
  int error = 0;
  if (runtime::fileSystem().open(import, runtime::FileAccess::Read, runtime::FileSharing::DenyNone,
                                 error)) {
    return std::nullopt;
  }
  if (error == runtime::ErrorCode::FileNotFound) return shownName(import) + " is missing";
  return shownName(import) + " cannot be read (" + cause() + ")";
}

// An existing output must let itself be written; a new one must have a folder that takes
// a file, which the temporary it is first written to tries.
std::optional<std::string> outputProblem(const std::string& output) {
  runtime::FileSystem& files = runtime::fileSystem();
  int error = 0;
  if (files.open(output, runtime::FileAccess::Write, runtime::FileSharing::DenyNone, error)) {
    return std::nullopt;
  }
  if (error == runtime::ErrorCode::FileNotFound) {
    runtime::AtomicFile trial(output, runtime::AtomicFile::Naming::Unused);
    if (trial.begin() == 0) return std::nullopt;
  }
  return shownName(output) + " cannot be written (" + cause() + ")";
}

std::uint64_t total(const txa::ConversionReport& report, const std::string& what) {
  std::uint64_t sum = 0;
  for (const txa::PassReport& pass : report.passes()) {
    for (const txa::PassCount& count : pass.counts) {
      if (count.what == what) sum += count.value;
    }
  }
  return sum;
}

std::string counted(std::uint64_t count, const std::string& singular, const std::string& plural) {
  return grouped(static_cast<std::int64_t>(count)) + " " + (count == 1 ? singular : plural);
}

std::string capitalised(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

bool whole(const FileConversion& conversion) {
  return conversion.converted() && cancelNoticeText(conversion.report).empty() &&
         conversion.report.allApplied();
}

}  // namespace

std::optional<std::string> givenFileProblem(const std::string& path) {
  int error = 0;
  const auto file = runtime::fileSystem().open(path, runtime::FileAccess::Read,
                                               runtime::FileSharing::DenyNone, error);
  if (!file) return capitalised(*importProblem(path));
  // What an export holds is text; a NUL byte in its first block says it is something else.
  char start[1 << 16];
  std::size_t got = 0;
  if (file->readAt(0, start, sizeof start, got) != 0) {
    return shownName(path) + " cannot be read (" + cause() + ")";
  }
  if (got == 0) return shownName(path) + " is empty: there is nothing to convert";
  if (std::string_view(start, got).find('\0') != std::string_view::npos) {
    return shownName(path) + " is not a TXA file: it holds binary data";
  }
  return std::nullopt;
}

std::optional<std::string> conversionProblem(const std::string& import, const std::string& output) {
  if (auto problem = importProblem(import)) return problem;
  if (sameFile(import, output)) return "the export " + shownName(output) + " is the import itself";
  return outputProblem(output);
}

std::vector<FileConversion> convertChosen(const ChosenFiles& files,
                                          const ConversionOptions& options) {
  std::vector<FileConversion> conversions;
  for (const std::string& import : files.imports()) {
    FileConversion& conversion = conversions.emplace_back();
    conversion.import = import;
    conversion.output = files.exportOf(import);
    if (auto problem = conversionProblem(import, conversion.output)) {
      conversion.problem = *problem;
      continue;
    }
    txa::setImportName(import);
    txa::setExportName(conversion.output);
    conversion.report = RunPipeline(options);
  }
  return conversions;
}

std::string statusLine(const std::vector<FileConversion>& conversions) {
  std::uint64_t written = 0;
  std::uint64_t joined = 0;
  std::size_t converted = 0;
  for (const FileConversion& conversion : conversions) {
    if (!conversion.converted()) continue;
    ++converted;
    written += total(conversion.report, "lines written");
    joined += total(conversion.report, "clauses joined");
  }
  if (converted == 0) {
    return conversions.size() == 1
               ? "Not converted: " + conversions.front().problem
               : "Not converted: none of the " + std::to_string(conversions.size()) + " files";
  }
  std::string line = conversions.size() == 1 ? shownName(conversions.front().import) + " \u2192 " +
                                                   shownName(conversions.front().output)
                                             : counted(converted, "file", "files") + " converted";
  line += ": " + counted(written, "line", "lines") + " written";
  if (joined > 0) line += ", " + counted(joined, "clause", "clauses") + " joined";
  if (converted < conversions.size()) {
    line += "; " + std::to_string(conversions.size() - converted) + " not converted";
  }
  return line;
}

void showConversionNotices(const std::vector<FileConversion>& conversions) {
  if (conversions.size() == 1) {
    const FileConversion& only = conversions.front();
    if (only.converted()) {
      showConversionNotice(only.report);
    } else {
      runtime::messageBox({capitalised(only.problem) + ".", NotConvertedCaption,
                           runtime::Icon::Information, runtime::Button::OK, runtime::Button::OK});
    }
    return;
  }
  std::string text;
  for (const FileConversion& conversion : conversions) {
    if (whole(conversion)) continue;
    text += "|" + (conversion.converted() ? shownName(conversion.import) +
                                                ": not every correction was applied or "
                                                "a pass was cancelled"
                                          : capitalised(conversion.problem));
  }
  if (text.empty()) return;
  runtime::messageBox({"Not converted wholly:" + text, NotConvertedCaption,
                       runtime::Icon::Information, runtime::Button::OK, runtime::Button::OK});
}

}  // namespace tallowmere::app
