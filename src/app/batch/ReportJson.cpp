#include "app/batch/ReportJson.h"

#include <algorithm>

#include "app/ReportText.h"

namespace tallowmere::app {

namespace {

using json = nlohmann::ordered_json;

// "lines read" becomes "lines_read", a name a script can use as it is.
std::string fieldName(std::string what) {
  std::replace(what.begin(), what.end(), ' ', '_');
  return what;
}

json passJson(const txa::PassReport& pass) {
  json counts = json::object();
  for (const txa::PassCount& count : pass.counts) counts[fieldName(count.what)] = count.value;
  json kept = json::array();
  for (const txa::KeptGroup& group : pass.kept) {
    kept.push_back({{"line", group.line},
                    {"reason", reasonName(group.reason)},
                    {"text", reasonText(group.reason)}});
  }
  json result = {{"pass", pass.pass},
                 {"cancelled", pass.cancelled},
                 {"failures", pass.failures},
                 {"counts", counts},
                 {"kept", kept}};
  if (!pass.marker.empty()) result["marker"] = pass.marker;
  return result;
}

}  // namespace

ReportDocument reportDocument(const txa::ConversionReport& report, const std::string& input,
                              const std::string& output, int status, bool written) {
  json passes = json::array();
  for (const txa::PassReport& pass : report.passes()) passes.push_back(passJson(pass));
  ReportDocument document = {{"input", input}, {"output", output}};
  if (!written) document["written"] = false;
  document["all_applied"] = report.allApplied();
  document["status"] = status;
  document["passes"] = passes;
  return document;
}

std::string reportJson(const std::vector<ReportDocument>& documents, bool several) {
  const json document = several || documents.empty() ? json(documents) : documents.front();
  // File names are bytes, not always UTF-8; what is not is shown as U+FFFD.
  return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace tallowmere::app
