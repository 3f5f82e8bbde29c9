#include "terminal/ProgramInTmux.h"

#include <sstream>

#include "support/BinaryRun.h"

namespace tallowmere::testing {

bool shows(const std::string& screen, const std::string& text) {
  return screen.find(text) != std::string::npos;
}

void ProgramInTmux::SetUp() {
  if (!TmuxSession::available()) GTEST_SKIP() << "tmux is not installed";
}

TmuxSession& ProgramInTmux::launch(const std::string& arguments, int columns, int rows,
                                   const std::string& terminalType) {
  session_.reset();
  TmuxOptions options;
  options.columns = columns;
  options.rows = rows;
  options.workingFolder = folder_.path();
  options.environment = {{"XDG_CONFIG_HOME", (folder_ / "config").string()}};
  if (!terminalType.empty()) options.environment.emplace_back("TERM", terminalType);
  session_.emplace("'" + programPath().string() + "' " + arguments, options);
  return *session_;
}

TmuxSession& ProgramInTmux::start(int columns, int rows) {
  TmuxSession& program = launch("", columns, rows);
  EXPECT_TRUE(program.waitForWindow(MainCaption)) << program.screen();
  return program;
}

std::optional<TmuxSession::Cell> ProgramInTmux::clientOrigin(const TmuxSession& program) {
  const auto corner = program.find(TopLeftCorner);
  if (!corner) return std::nullopt;
  return TmuxSession::Cell{corner->column + 1, corner->row + 1};
}

void ProgramInTmux::clickOn(const TmuxSession& program, const std::string& label) {
  ASSERT_TRUE(program.waitForText(label)) << label << "\n" << program.screen();
  const auto at = program.find(label);
  ASSERT_TRUE(at) << label << "\n" << program.screen();
  program.click(at->column + 2, at->row);
}

void ProgramInTmux::closeWithTheButton(const TmuxSession& program) {
  clickOn(program, "[ Close ]");
  EXPECT_EQ(program.waitForExit(), 0) << program.screen();
  EXPECT_TRUE(program.terminalRestored()) << program.modesAfterExit() << program.paneFlags();
}

std::optional<std::string> ProgramInTmux::setting(const std::string& key) const {
  const auto path = folder_ / "config" / "Tallowmere.INI";
  if (!std::filesystem::exists(path)) return std::nullopt;
  std::istringstream text(readFile(path));
  bool inMain = false;
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '[') inMain = line == "[Main]";
    if (inMain && line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return std::nullopt;
}

}  // namespace tallowmere::testing
