#pragma once

#include <string>

#include "runtime/files/File.h"
#include "runtime/text/FixedText.h"

namespace tallowmere::txa {

// The four file declarations of a conversion, this thread's instances. Each has exactly one
// record buffer, the 500-character line field.
runtime::File& ImportFile();      // "Import.txa", line driver, never created
runtime::File& TXAFile();         // "TXAFile.tps", the line table in memory
runtime::File& MEMAUX_TXAFile();  // "TXAFile.tps" on disk, the table's backing file
runtime::File& ExportFile();      // "Export.txa", line driver

inline runtime::LineText& IMP_LINE() {
  return ImportFile().record();
}
inline runtime::LineText& TXA_LINE() {
  return TXAFile().record();
}
inline runtime::LineText& EXP_LINE() {
  return ExportFile().record();
}

inline constexpr const char* DefaultImportName = "Import.txa";
inline constexpr const char* DefaultExportName = "Export.txa";
inline constexpr const char* TableName = "TXAFile.tps";

// The input and output files may be named before start-up (the batch converter's --input
// and --output) or between two conversions (the window's choices); messages then show the
// names as given.
void setImportName(std::string path);
void setExportName(std::string path);

}  // namespace tallowmere::txa
