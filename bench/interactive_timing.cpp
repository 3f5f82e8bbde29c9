// Times one conversion as the interactive program runs it, against the same conversion
// with the timer waits skipped as the batch converter runs it: the headless front end
// with a real clock either sleeps until each timer deadline or jumps to it. The difference
// is what the timer-driven batches cost.
//
//   interactive_timing [--input FILE] [--output FILE] [--runs N] [--only waiting|skipping]
//                      [--all | correction options as the batch converter takes them]
//
// The files default to Import.txa and Export.txa in the working folder, as for the
// converter.
//
// The conversion runs in a fresh temporary folder (the table's backing file goes there)
// with XDG_CONFIG_HOME pointing into it, so the user's settings are never touched.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/CommandLine.h"
#include "app/Pipeline.h"
#include "app/Program.h"
#include "platform/posix/PosixPlatform.h"
#include "support/TempDir.h"
#include "support/headless/HeadlessFrontEnd.h"
#include "txa/TxaFiles.h"

namespace {

namespace fs = std::filesystem;
using tallowmere::platform::HeadlessClock;
using tallowmere::platform::HeadlessFrontEnd;

struct Settings {
  tallowmere::app::ConversionOptions options;
  fs::path input;
  fs::path output;
  int runs = 5;
  bool waiting = true;
  bool skipping = true;
};

[[noreturn]] void usage(const std::string& problem) {
  std::fprintf(stderr,
               "interactive_timing: %s\n"
               "usage: interactive_timing [--input FILE] [--output FILE] [--runs N]\n"
               "                          [--only waiting|skipping] [--all | corrections]\n",
               problem.c_str());
  std::exit(2);
}

Settings parse(int argc, char** argv) {
  Settings settings;
  std::vector<std::string_view> conversion{"--batch"};
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const bool hasValue = i + 1 < argc;
    if (argument == "--runs" && hasValue) {
      settings.runs = std::max(1, std::atoi(argv[++i]));
    } else if (argument == "--only" && hasValue) {
      const std::string_view only = argv[++i];
      if (only != "waiting" && only != "skipping") usage("--only takes waiting or skipping");
      settings.waiting = only == "waiting";
      settings.skipping = only == "skipping";
    } else {
      conversion.push_back(argument);
    }
  }
  const auto line = tallowmere::app::CommandLine::parse(conversion);
  if (line.mode != tallowmere::app::CommandLine::Mode::Batch) usage(line.problem);
  settings.options = line.options;
  settings.input = fs::absolute(line.input);
  settings.output = fs::absolute(line.output);
  return settings;
}

// One whole program run (start-up, pipeline, shutdown) in seconds; counts the timer events
// of its progress windows into timerEvents.
double convertOnce(const Settings& settings, HeadlessClock::Mode mode, long& timerEvents) {
  HeadlessFrontEnd screen(mode);
  // Waiting as the interactive program does, for a person who may press Cancel.
  screen.setPersonAtScreen(mode == HeadlessClock::Mode::RealWaiting);
  tallowmere::runtime::ScopedFrontEnd installed(screen);
  tallowmere::txa::setImportName(settings.input.string());
  tallowmere::txa::setExportName(settings.output.string());
  const auto started = std::chrono::steady_clock::now();
  tallowmere::app::RunProgram([&] { tallowmere::app::RunPipeline(settings.options); });
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started;
  timerEvents = 0;
  for (const auto& window : screen.windows()) timerEvents += window.timerEvents;
  return spent.count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[(values.size() - 1) / 2];
}

// Runs the conversion settings.runs times and prints each time and the median.
double measure(const Settings& settings, HeadlessClock::Mode mode, const char* label) {
  std::vector<double> times;
  long timerEvents = 0;
  for (int run = 0; run < settings.runs; ++run) {
    times.push_back(convertOnce(settings, mode, timerEvents));
  }
  std::printf("%-9s median %8.3f s over %d runs, %ld timer events a run; runs:", label,
              median(times), settings.runs, timerEvents);
  for (const double time : times) std::printf(" %.3f", time);
  std::printf("\n");
  return median(times);
}

}  // namespace

int main(int argc, char** argv) {
  const Settings settings = parse(argc, argv);
  std::error_code error;
  const auto bytes = fs::file_size(settings.input, error);
  if (error) usage("cannot read " + settings.input.string());

  // Entered while the runs last, and left before it is removed.
  const tallowmere::testing::TempDir scratch(true);
  fs::create_directory(scratch / "config");
  ::setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
  tallowmere::platform::installPosixServices();

  std::printf("input %s, %.1f MB\n", settings.input.c_str(), static_cast<double>(bytes) / 1048576);
  const double waiting =
      settings.waiting ? measure(settings, HeadlessClock::Mode::RealWaiting, "waiting") : 0;
  const double skipping =
      settings.skipping ? measure(settings, HeadlessClock::Mode::RealSkippingWaits, "skipping") : 0;
  if (waiting > 0 && skipping > 0) {
    std::printf("waiting / skipping = %.3f\n", waiting / skipping);
  }
  return 0;
}
