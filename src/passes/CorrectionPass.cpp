#include "passes/CorrectionPass.h"

#include "framework/errors/ErrorClass.h"
#include "txa/Dictionary.h"

namespace tallowmere::passes {

namespace {
constexpr const char* ViewName = "Process:View";
}  // namespace

CorrectionPass::CorrectionPass(std::string procedureName, std::string operationName)
    : ProcessProcedure({std::move(procedureName), txa::Relate::TXAFile, {},
                        std::move(operationName), false}) {}

framework::Level CorrectionPass::Failed(int id) {
  Errors().ThrowFile(id, ViewName);
  Response() = framework::RequestCompleted;
  return framework::Level::Fatal;
}

framework::Level CorrectionPass::WriteBack() {
  return Process_View().put() == 0 ? framework::Level::Benign : Failed(RecordNotUpdated);
}

}  // namespace tallowmere::passes
