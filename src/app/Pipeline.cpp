#include "app/Pipeline.h"

#include "passes/JoiningPasses.h"
#include "passes/RemoveGuids.h"
#include "passes/RemoveOrdinals.h"
#include "txa/EmptyLineTable.h"
#include "txa/ExportTXA.h"
#include "txa/ImportTXA.h"

namespace tallowmere::app {

void RunPipeline(const ConversionOptions& options) {
  txa::emptyLineTable();
  txa::ImportTXA();
  if (options.RemoveGuids == 1) passes::RemoveGuids();
  if (options.RemoveOrdinals == 1) passes::RemoveOrdinals();
  if (options.CorrectHashField == 1) passes::CorrectHashField();
  if (options.CorrectWindowFont == 1) passes::CorrectWindowFont();
  if (options.CorrectAT == 1) passes::CorrectAT();
  txa::ExportTXA();
}

}  // namespace tallowmere::app
