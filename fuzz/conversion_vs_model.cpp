// The whole conversion, in process, against the reference model: for every combination of
// the five corrections the exported file is byte for byte the model's, and the input file
// is left as it was.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "app/ConversionOptions.h"
#include "app/Pipeline.h"
#include "app/Program.h"
#include "model/ReferenceModel.h"
#include "runtime/core/PlatformServices.h"
#include "runtime/ui/FrontEnd.h"
#include "support/MemoryFolder.h"
#include "support/MemoryProfile.h"
#include "support/headless/HeadlessFrontEnd.h"
#include "txa/TxaFiles.h"

namespace {

namespace model = tallowmere::model;
using tallowmere::app::ConversionOptions;

struct Choice {
  ConversionOptions options;
  model::Corrections corrections;
};

// The first byte's low five bits tick the corrections.
Choice choose(std::uint8_t bits) {
  const auto on = [bits](int bit) { return static_cast<std::uint8_t>((bits >> bit) & 1); };
  Choice choice;
  choice.options.RemoveGuids = on(0);
  choice.options.RemoveOrdinals = on(1);
  choice.options.CorrectHashField = on(2);
  choice.options.CorrectWindowFont = on(3);
  choice.options.CorrectAT = on(4);
  choice.corrections = {on(0) == 1, on(1) == 1, on(2) == 1, on(3) == 1, on(4) == 1};
  return choice;
}

void printEscaped(const char* label, std::string_view bytes) {
  std::fprintf(stderr, "%s (%zu bytes): \"", label, bytes.size());
  for (const char c : bytes.substr(0, 2000)) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 32 && u < 127 && c != '"' && c != '\\') {
      std::fputc(c, stderr);
    } else {
      std::fprintf(stderr, "\\x%02x", u);
    }
  }
  std::fputs(bytes.size() > 2000 ? "\"...\n" : "\"\n", stderr);
}

[[noreturn]] void differs(const char* property, std::string_view program,
                          std::string_view expected) {
  const auto [p, e] =
      std::mismatch(program.begin(), program.end(), expected.begin(), expected.end());
  std::fprintf(stderr, "conversion: %s, first difference at byte %td\n", property,
               p - program.begin());
  printEscaped("program", program);
  printEscaped("model", expected);
  (void)e;
  std::abort();
}

tallowmere::fuzzing::MemoryFolder& folder() {
  static tallowmere::fuzzing::MemoryFolder files;
  static tallowmere::fuzzing::MemoryProfile settings;
  static const bool installed = [] {
    tallowmere::runtime::installPlatformServices({.files = &files, .settings = &settings});
    tallowmere::txa::setImportName(tallowmere::txa::DefaultImportName);
    tallowmere::txa::setExportName(tallowmere::txa::DefaultExportName);
    return true;
  }();
  (void)installed;
  return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Choice choice = choose(data[0]);
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);

  tallowmere::fuzzing::MemoryFolder& files = folder();
  files.clear();
  files.put(tallowmere::txa::DefaultImportName, input);
  {
    tallowmere::platform::HeadlessFrontEnd screen;
    tallowmere::runtime::ScopedFrontEnd installed(screen);
    tallowmere::app::RunProgram([&] { tallowmere::app::RunPipeline(choice.options); });
  }

  const std::string expected = model::convert(input, choice.corrections);
  const std::optional<std::string> exported = files.get(tallowmere::txa::DefaultExportName);
  if (!exported) differs("no export was written", {}, expected);
  if (*exported != expected) differs("the export differs from the model", *exported, expected);
  if (files.get(tallowmere::txa::DefaultImportName) != input)
    differs("the input was changed", *files.get(tallowmere::txa::DefaultImportName), input);
  return 0;
}
