#include "app/ReportedPipeline.h"

#include "app/Pipeline.h"
#include "app/ReportText.h"
#include "runtime/ui/MessageBox.h"
#include "txa/ConversionReport.h"

namespace tallowmere::app {

void RunReportedPipeline(const ConversionOptions& options) {
  txa::ConversionReport report;
  {
    txa::ActiveReport active(report);
    RunPipeline(options);
  }
  if (report.allApplied()) return;
  runtime::messageBox({notAppliedNotice(report), NotAppliedCaption, runtime::Icon::Information,
                       runtime::Button::OK, runtime::Button::OK});
}

}  // namespace tallowmere::app
