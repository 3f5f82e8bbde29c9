#include "app/ChosenFiles.h"

#include "app/FilePaths.h"
#include "txa/TxaFiles.h"

namespace tallowmere::app {

namespace {

// "Orders.txa" or, for several, "Orders.txa and 2 more".
std::string namesOf(const std::vector<std::string>& paths) {
  if (paths.empty()) return {};
  std::string text = shownName(paths.front());
  if (paths.size() > 1) text += " and " + std::to_string(paths.size() - 1) + " more";
  return text;
}

}  // namespace

ChosenFiles::ChosenFiles() : imports_{txa::DefaultImportName} {}

void ChosenFiles::chooseImports(std::vector<std::string> imports) {
  if (imports.empty()) return;
  imports_ = std::move(imports);
  export_.reset();
  defaults_ = false;
}

void ChosenFiles::chooseExport(std::string path) {
  export_ = std::move(path);
}

std::string ChosenFiles::exportOf(const std::string& import) const {
  if (export_ && imports_.size() == 1) return *export_;
  return defaults_ ? txa::DefaultExportName : exportBeside(import);
}

std::string ChosenFiles::importText() const {
  return "Import Filename: " + namesOf(imports_);
}

std::string ChosenFiles::exportText() const {
  std::vector<std::string> exports;
  for (const std::string& import : imports_) exports.push_back(exportOf(import));
  return "Export Filename: " + namesOf(exports);
}

}  // namespace tallowmere::app
