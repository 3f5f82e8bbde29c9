#include "app/Pipeline.h"

#include <string_view>

#include "passes/JoiningPasses.h"
#include "passes/RemoveGuids.h"
#include "passes/RemoveOrdinals.h"
#include "txa/EmptyLineTable.h"
#include "txa/ExportTXA.h"
#include "txa/ImportTXA.h"

namespace tallowmere::app {

namespace {

using Pass = void (*)(txa::ConversionReport&);

void correct(txa::ConversionReport& report, std::uint8_t ticked, std::string_view correction,
             Pass pass) {
  if (ticked != 1) return;
  pass(report);
  report.latest().correction = correction;
}

}  // namespace

txa::ConversionReport RunPipeline(const ConversionOptions& options) {
  txa::emptyLineTable();
  txa::ConversionReport report;
  txa::ImportTXA(report);
  correct(report, options.RemoveGuids, "Remove Guids", passes::RemoveGuids);
  correct(report, options.RemoveOrdinals, "Remove Ordinals", passes::RemoveOrdinals);
  correct(report, options.CorrectHashField, "Correct Hash Field", passes::CorrectHashField);
  correct(report, options.CorrectWindowFont, "Correct Window Font", passes::CorrectWindowFont);
  correct(report, options.CorrectAT, "Correct AT", passes::CorrectAT);
  txa::ExportTXA(report);
  return report;
}

}  // namespace tallowmere::app
