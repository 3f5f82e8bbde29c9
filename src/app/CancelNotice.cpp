#include "app/CancelNotice.h"

#include "app/ReportText.h"
#include "runtime/ui/MessageBox.h"
#include "txa/TxaFiles.h"

namespace tallowmere::app {

namespace {

std::string lines(std::int64_t count) {
  return grouped(count) + (count == 1 ? " line" : " lines");
}

std::string importCancelled(const txa::PassReport& pass) {
  return "The import was cancelled: " + txa::ExportFile().name() +
         " was made from only the first " + lines(pass.recordsTaken) + " of " +
         txa::ImportFile().name() + ".";
}

std::string correctionCancelled(const txa::PassReport& pass) {
  return pass.correction + " was cancelled: it corrected only the first " +
         grouped(pass.recordsTaken) + " of the " + lines(pass.recordsToProcess) + ".";
}

std::string exportCancelled(const txa::PassReport& pass) {
  return "The export was cancelled: " + txa::ExportFile().name() + " holds only the first " +
         grouped(pass.recordsTaken) + " of the " + lines(pass.recordsToProcess) + ".";
}

}  // namespace

std::string cancelNoticeText(const txa::ConversionReport& report) {
  const std::vector<txa::PassReport>& passes = report.passes();
  std::string text;
  for (const txa::PassReport& pass : passes) {
    if (!pass.cancelled) continue;
    const std::string sentence = &pass == &passes.front()  ? importCancelled(pass)
                                 : &pass == &passes.back() ? exportCancelled(pass)
                                                           : correctionCancelled(pass);
    text += (text.empty() ? "" : "|") + sentence;
  }
  return text;
}

void showCancelNotice(const txa::ConversionReport& report) {
  const std::string text = cancelNoticeText(report);
  if (text.empty()) return;
  runtime::messageBox({text, CancelNoticeCaption, runtime::Icon::Information, runtime::Button::OK,
                       runtime::Button::OK});
}

}  // namespace tallowmere::app
