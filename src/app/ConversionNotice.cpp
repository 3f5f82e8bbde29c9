#include "app/ConversionNotice.h"

#include "app/CancelNotice.h"
#include "app/ReportText.h"
#include "runtime/ui/MessageBox.h"

namespace tallowmere::app {

// A cancelled pass gives the caption, as the greater part of what is missing.
void showConversionNotice(const txa::ConversionReport& report) {
  const std::string cancelled = cancelNoticeText(report);
  const bool notApplied = !report.allApplied();
  if (cancelled.empty() && !notApplied) return;
  std::string text = cancelled;
  if (notApplied) text += (text.empty() ? "" : "|") + notAppliedNotice(report);
  runtime::messageBox({text, cancelled.empty() ? notAppliedCaption(report) : CancelNoticeCaption,
                       runtime::Icon::Information, runtime::Button::OK, runtime::Button::OK});
}

}  // namespace tallowmere::app
