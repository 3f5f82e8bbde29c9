// A stand-in for the application while the terminal front end is tested: the real main window
// and progress window, run straight on the window engine, with every event the front end
// causes written to a log file that the tests read.
//
//   terminal_probe LOG [--at X Y] [--message notify|question|question-no|halt]
//
// --at gives the main window a position in dialog units; --message shows a message box over
// the main window as soon as it is open and logs the answer (halt shows a fatal box and then
// halts the process, as a fatal message does).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "app/MainWindow.h"
#include "framework/process/ProgressWindow.h"
#include "platform/terminal/TerminalFrontEnd.h"
#include "runtime/ui/Halt.h"
#include "runtime/ui/Window.h"
#include "runtime/ui/WindowEngine.h"

namespace {

using namespace tallowmere;
using runtime::Event;

class Log {
 public:
  explicit Log(const char* path) : file_(std::fopen(path, "w")) {}
  ~Log() {
    if (file_) std::fclose(file_);
  }
  bool ok() const { return file_ != nullptr; }
  void line(const std::string& text) {
    std::fprintf(file_, "%s\n", text.c_str());
    std::fflush(file_);
  }

 private:
  std::FILE* file_;
};

struct Options {
  const char* log = nullptr;
  std::optional<runtime::Point> at;
  std::string message;
};

std::optional<Options> parse(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  Options options;
  options.log = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--at" && i + 2 < argc) {
      options.at = runtime::Point{std::atoi(argv[i + 1]), std::atoi(argv[i + 2])};
      i += 2;
    } else if (argument == "--message" && i + 1 < argc) {
      options.message = argv[++i];
    } else {
      return std::nullopt;
    }
  }
  return options;
}

std::string eventName(Event event) {
  switch (event) {
    case Event::Accepted:
      return "Accepted";
    case Event::Selected:
      return "Selected";
    case Event::CloseWindow:
      return "CloseWindow";
    case Event::Timer:
      return "Timer";
    default:
      return "Other";
  }
}

void logEvent(Log& log, const char* window, const runtime::EventRecord& record) {
  if (eventName(record.event) == "Other") return;
  log.line(std::string(window) + " " + eventName(record.event) + " " +
           std::to_string(record.control));
}

class Probe {
 public:
  Probe(Log& log, const Options& options) : log_(log), options_(options) {}

  int run() {
    runtime::WindowDescription design = app::MainWindowDescription();
    design.position = options_.at;
    runtime::Window main(design);
    engine_.open(main);
    while (auto record = engine_.accept()) {
      logEvent(log_, "main", *record);
      if (record->event == Event::OpenWindow) {
        main.select(1);
        showMessage();
      }
      if (record->event == Event::Accepted) logValue(main, record->control);
      if (record->event == Event::Accepted && record->control == 8) runProgress();
      if (record->event == Event::CloseWindow ||
          (record->event == Event::Accepted && record->control == 9)) {
        break;
      }
    }
    log_.line("main closed at " + std::to_string(main.position().x) + " " +
              std::to_string(main.position().y));
    engine_.close(main);
    return 0;
  }

 private:
  void logValue(const runtime::Window& window, int number) {
    const runtime::Control* accepted = window.control(number);
    if (!accepted || !accepted->design.variable) return;
    log_.line("main value " + std::to_string(number) + " " +
              std::to_string(*accepted->design.variable));
  }

  void showMessage() {
    const std::string& kind = options_.message;
    if (kind.empty()) return;
    runtime::MessageBoxRequest request;
    request.caption = "Probe Message";
    request.text =
        "First line|Second line, which is long enough that it has to be wrapped onto a "
        "further line by the message box";
    if (kind == "question" || kind == "question-no") {
      request.icon = runtime::Icon::Warning;
      request.buttons = runtime::Button::Yes + runtime::Button::No;
      request.defaultButton = kind == "question" ? runtime::Button::Yes : runtime::Button::No;
    }
    const int answer = runtime::messageBox(request);
    log_.line("answer " + std::to_string(answer));
    if (kind == "halt") runtime::halt("Probe Halted");
  }

  void runProgress() {
    std::uint8_t thermometer = 0;
    runtime::Window progress(framework::ProgressWindow(thermometer));
    progress.setCaption("Processing Records");
    progress.setText(framework::Progress_UserString, "Probing Records");
    progress.setText(framework::Progress_PctText, "0% Completed");
    engine_.open(progress);
    progress.select(framework::Progress_Thermometer);
    progress.setTimer(10);
    while (auto record = engine_.accept()) {
      logEvent(log_, "progress", *record);
      if (record->event == Event::Timer) {
        thermometer = static_cast<std::uint8_t>(thermometer + 2);
        progress.setText(framework::Progress_PctText, std::to_string(thermometer) + "% Complete");
        engine_.display(progress);
        if (thermometer >= 100) break;
      }
      if (record->event == Event::CloseWindow ||
          (record->event == Event::Accepted && record->control == framework::Progress_Cancel)) {
        break;
      }
    }
    log_.line("progress ended at " + std::to_string(thermometer));
    engine_.close(progress);
  }

  Log& log_;
  const Options& options_;
  runtime::WindowEngine& engine_ = runtime::WindowEngine::current();
};

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = parse(argc, argv);
  if (!options) {
    std::fprintf(stderr, "usage: terminal_probe LOG [--at X Y] [--message KIND]\n");
    return 2;
  }
  Log log(options->log);
  if (!log.ok()) return 2;
  std::unique_ptr<platform::TerminalFrontEnd> screen = platform::TerminalFrontEnd::start();
  if (!screen) {
    std::fprintf(stderr, "terminal_probe: needs a terminal\n");
    return 2;
  }
  runtime::ScopedFrontEnd use(*screen);
  const int status = Probe(log, *options).run();
  screen->shutdown();
  return status;
}
