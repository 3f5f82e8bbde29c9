#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tallowmere::app {

// The files the main window converts: the imports the user chose (through Browse, at start,
// by a drop or a paste) and the export, chosen too or following the import. With nothing
// chosen they are Import.txa and Export.txa in the working folder, as they always were.
class ChosenFiles {
 public:
  ChosenFiles();

  // New imports; an export chosen before goes, as it belonged to the imports before.
  void chooseImports(std::vector<std::string> imports);
  // The export of a single import.
  void chooseExport(std::string path);

  const std::vector<std::string>& imports() const { return imports_; }
  // Where import is converted into: the export chosen, or one beside it.
  std::string exportOf(const std::string& import) const;

  // The window's two texts, in their fixed form.
  std::string importText() const;
  std::string exportText() const;

 private:
  std::vector<std::string> imports_;
  std::optional<std::string> export_;
  bool defaults_ = true;
};

}  // namespace tallowmere::app
