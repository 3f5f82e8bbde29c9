#pragma once

#include <string>

#include "framework/process/ProcessProcedure.h"

namespace tallowmere::passes {

// A correction pass: a process procedure over the line table whose step rewrites the
// current line in place, or removes it. A write-back or a deletion that fails is reported
// against "Process:View" and ends the run.
class CorrectionPass : public framework::ProcessProcedure {
 public:
  CorrectionPass(std::string procedureName, std::string operationName);

 protected:
  // Puts the record buffer back over the current line.
  framework::Level WriteBack();
  // Reports message id (one of the two below) against the view and ends the run.
  framework::Level Failed(int id);

  static constexpr int RecordNotUpdated = 28;
  static constexpr int RecordNotDeleted = 13;
};

}  // namespace tallowmere::passes
