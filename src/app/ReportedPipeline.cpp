#include "app/ReportedPipeline.h"

#include "app/Pipeline.h"
#include "app/ReportText.h"
#include "runtime/ui/MessageBox.h"
#include "txa/ConversionReport.h"

namespace tallowmere::app {

namespace {

// One notice for all the user is to be told after a conversion: first the passes they
// cancelled and what the output holds, then the corrections that could not be applied. A
// cancelled pass gives the caption, as the greater part of what is missing.
void showNotice(const CancelNotice& cancelled, const txa::ConversionReport& report) {
  const bool notApplied = !report.allApplied();
  if (cancelled.empty() && !notApplied) return;
  std::string text = cancelled.text();
  if (notApplied) text += (text.empty() ? "" : "|") + notAppliedNotice(report);
  runtime::messageBox({text, cancelled.empty() ? NotAppliedCaption : CancelNotice::Caption,
                       runtime::Icon::Information, runtime::Button::OK, runtime::Button::OK});
}

}  // namespace

void RunReportedPipeline(const ConversionOptions& options) {
  txa::ConversionReport report;
  CancelNotice cancelled;
  {
    txa::ActiveReport active(report);
    cancelled = RunPipeline(options);
  }
  showNotice(cancelled, report);
}

}  // namespace tallowmere::app
