#include "app/Pipeline.h"

#include "passes/JoiningPasses.h"
#include "passes/RemoveGuids.h"
#include "passes/RemoveOrdinals.h"
#include "txa/EmptyLineTable.h"
#include "txa/ExportTXA.h"
#include "txa/ImportTXA.h"

namespace tallowmere::app {

CancelNotice RunPipeline(const ConversionOptions& options) {
  txa::emptyLineTable();
  CancelNotice notice;
  notice.importEnded(txa::ImportTXA());
  if (options.RemoveGuids == 1) notice.correctionEnded("Remove Guids", passes::RemoveGuids());
  if (options.RemoveOrdinals == 1) {
    notice.correctionEnded("Remove Ordinals", passes::RemoveOrdinals());
  }
  if (options.CorrectHashField == 1) {
    notice.correctionEnded("Correct Hash Field", passes::CorrectHashField());
  }
  if (options.CorrectWindowFont == 1) {
    notice.correctionEnded("Correct Window Font", passes::CorrectWindowFont());
  }
  if (options.CorrectAT == 1) notice.correctionEnded("Correct AT", passes::CorrectAT());
  notice.exportEnded(txa::ExportTXA());
  return notice;
}

}  // namespace tallowmere::app
