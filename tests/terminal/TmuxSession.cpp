#include "terminal/TmuxSession.h"

#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace tallowmere::testing {

namespace {

constexpr std::chrono::milliseconds PollInterval{20};
constexpr const char* Target = "probe";

// The xterm mouse encoding tmux-256color announces (kmous=\E[M): button code, then the
// 1-based column and row, each offset by 32.
constexpr int MousePress = 0;
constexpr int MouseRelease = 3;
constexpr int MouseDragWithLeft = 32;
constexpr int MouseOffset = 32;

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

std::string run(const std::string& commandLine) {
  std::string output;
  if (FILE* pipe = popen((commandLine + " 2>/dev/null").c_str(), "r")) {
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    pclose(pipe);
  }
  return output;
}

std::string uniqueSocket() {
  static std::atomic<int> sessions{0};
  return "tallowmere-test-" + std::to_string(getpid()) + "-" + std::to_string(++sessions);
}

constexpr const char* Configuration =
    "set -g default-terminal tmux-256color\n"
    "set -g escape-time 0\n"
    "set -g status off\n";

std::string wrapper(const std::string& command, const TmuxSession::Options& options,
                    const std::filesystem::path& files) {
  std::ostringstream script;
  if (!options.workingFolder.empty()) script << "cd " << quoted(options.workingFolder) << "\n";
  const char* locale = options.utf8 ? "C.UTF-8" : "C";
  script << "export LANG=" << locale << " LC_ALL=" << locale << "\n";
  for (const auto& [name, value] : options.environment) {
    script << "export " << name << "=" << quoted(value) << "\n";
  }
  const std::string pid = quoted((files / "pid").string());
  script << "sh -c " << quoted("echo $$ > " + pid + "; exec " + command) << "\n"
         << "status=$?\n"
         << "stty -a > " << quoted((files / "modes").string()) << "\n"
         << "echo $status > " << quoted((files / "status.new").string()) << "\n"
         << "mv " << quoted((files / "status.new").string()) << " "
         << quoted((files / "status").string())
         << "\n"
         // The pane stays alive (a dead pane hides its cursor), so the terminal's state after
         // the program can be read back, and what is typed or pasted into it then is kept;
         // the session's end kills it.
         << "exec cat > " << quoted((files / "typed-after").string()) << "\n";
  return script.str();
}

bool hasToken(const std::string& text, const std::string& token) {
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    if (word == token || word == token + ";") return true;
  }
  return false;
}

}  // namespace

bool TmuxSession::available() {
  return std::system("tmux -V >/dev/null 2>&1") == 0;
}

TmuxSession::TmuxSession(const std::string& command, Options options)
    : socket_(uniqueSocket()), columns_(options.columns), rows_(options.rows) {
  writeFile(files_ / "tmux.conf", Configuration);
  writeFile(files_ / "run.sh", wrapper(command, options, files_.path()));
  tmux({"new-session", "-d", "-s", Target, "-x", std::to_string(options.columns), "-y",
        std::to_string(options.rows), "sh " + quoted((files_ / "run.sh").string())});
}

TmuxSession::~TmuxSession() {
  if (auto running = pid(); running && !readState("status")) ::kill(*running, SIGKILL);
  tmux({"kill-server"});
}

std::vector<std::string> TmuxSession::command(const std::vector<std::string>& arguments) const {
  std::vector<std::string> line{"tmux", "-L", socket_, "-f", (files_ / "tmux.conf").string()};
  line.insert(line.end(), arguments.begin(), arguments.end());
  return line;
}

std::string TmuxSession::tmux(const std::vector<std::string>& arguments) const {
  std::string commandLine;
  for (const std::string& word : command(arguments)) commandLine += " " + quoted(word);
  return run(commandLine);
}

std::unique_ptr<TmuxClient> TmuxSession::attachClient() const {
  auto client =
      std::make_unique<TmuxClient>(command({"attach-session", "-t", Target}), columns_, rows_);
  if (!client->running() || !waitUntil([&] { return !tmux({"list-clients"}).empty(); })) {
    return nullptr;
  }
  return client;
}

std::string TmuxSession::screen() const {
  return tmux({"capture-pane", "-p", "-t", Target});
}

std::vector<std::string> TmuxSession::lines() const {
  std::vector<std::string> rows;
  std::istringstream text(screen());
  std::string row;
  while (std::getline(text, row)) rows.push_back(row);
  return rows;
}

std::vector<TmuxSession::Cell> TmuxSession::findAll(const std::string& text) const {
  std::vector<Cell> found;
  const std::vector<std::string> rows = lines();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t at = rows[row].find(text); at != std::string::npos;
         at = rows[row].find(text, at + 1)) {
      // Columns count cells: the frame's box-drawing characters take three bytes each.
      int column = 0;
      for (std::size_t i = 0; i < at; ++i) {
        if ((static_cast<unsigned char>(rows[row][i]) & 0xC0) != 0x80) ++column;
      }
      found.push_back({column, static_cast<int>(row)});
    }
  }
  return found;
}

std::optional<TmuxSession::Cell> TmuxSession::find(const std::string& text) const {
  const std::vector<Cell> found = findAll(text);
  if (found.empty()) return std::nullopt;
  return found.front();
}

bool TmuxSession::waitUntil(const std::function<bool()>& condition, Timeout timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (true) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(PollInterval);
  }
}

bool TmuxSession::waitForScreen(const std::function<bool(const std::string&)>& ready,
                                Timeout timeout) const {
  return waitUntil([&] { return ready(screen()); }, timeout);
}

bool TmuxSession::waitForText(const std::string& text, Timeout timeout) const {
  return waitForScreen(
      [&](const std::string& shown) { return shown.find(text) != std::string::npos; }, timeout);
}

bool TmuxSession::waitForWindow(const std::string& caption, Timeout timeout) const {
  return waitForScreen(
      [&](const std::string& shown) {
        // The corner as a line-drawing character, or as the letters of the alternate
        // character set that a terminal without UTF-8 shows.
        const std::size_t title = shown.find(caption);
        return title != std::string::npos && (shown.find("\u2518", title) != std::string::npos ||
                                              shown.find("qj\n", title) != std::string::npos);
      },
      timeout);
}

bool TmuxSession::waitForTextGone(const std::string& text, Timeout timeout) const {
  return waitForScreen(
      [&](const std::string& shown) { return shown.find(text) == std::string::npos; }, timeout);
}

void TmuxSession::sendKeys(const std::vector<std::string>& keys) const {
  std::vector<std::string> arguments{"send-keys", "-t", Target};
  arguments.insert(arguments.end(), keys.begin(), keys.end());
  tmux(arguments);
}

void TmuxSession::sendBytes(const std::string& bytes) const {
  std::vector<std::string> arguments{"send-keys", "-t", Target, "-H"};
  for (char byte : bytes) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(byte));
    arguments.emplace_back(hex);
  }
  tmux(arguments);
}

std::string TmuxSession::mouseReport(int buttonCode, int column, int row) {
  return {'\033',
          '[',
          'M',
          static_cast<char>(MouseOffset + buttonCode),
          static_cast<char>(MouseOffset + column + 1),
          static_cast<char>(MouseOffset + row + 1)};
}

void TmuxSession::click(int column, int row) const {
  sendBytes(mouseReport(MousePress, column, row));
  sendBytes(mouseReport(MouseRelease, column, row));
}

void TmuxSession::doubleClick(int column, int row) const {
  const std::string once =
      mouseReport(MousePress, column, row) + mouseReport(MouseRelease, column, row);
  sendBytes(once + once);
}

void TmuxSession::paste(const std::string& text, bool bracketed) const {
  tmux({"set-buffer", "-b", "pasted", "--", text});
  std::vector<std::string> arguments{"paste-buffer", "-d", "-b", "pasted", "-t", Target};
  if (bracketed) arguments.insert(arguments.begin() + 1, "-p");
  tmux(arguments);
}

void TmuxSession::drag(Cell from, Cell to) const {
  // One burst, as a quick hand on a real mouse produces it.
  sendBytes(mouseReport(MousePress, from.column, from.row) +
            mouseReport(MouseDragWithLeft + MousePress, (from.column + to.column) / 2,
                        (from.row + to.row) / 2) +
            mouseReport(MouseDragWithLeft + MousePress, to.column, to.row) +
            mouseReport(MouseRelease, to.column, to.row));
}

void TmuxSession::resize(int columns, int rows) {
  // Curses notices a resize only while it reads: one that lands as the program has just
  // drawn and is on its way into the wait for a key shows only with the next key. A
  // moment's pause lets the program reach that wait first.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  tmux({"resize-window", "-t", Target, "-x", std::to_string(columns), "-y", std::to_string(rows)});
  columns_ = columns;
  rows_ = rows;
}

std::optional<std::string> TmuxSession::readState(const std::string& name) const {
  if (!std::filesystem::exists(state(name))) return std::nullopt;
  return readFile(state(name));
}

std::optional<int> TmuxSession::pid() const {
  std::optional<std::string> text;
  waitUntil([&] { return (text = readState("pid")) && !text->empty(); });
  if (!text || text->empty()) return std::nullopt;
  return std::atoi(text->c_str());
}

void TmuxSession::signal(int signalNumber) const {
  if (auto running = pid()) ::kill(*running, signalNumber);
}

std::optional<int> TmuxSession::waitForExit(Timeout timeout) const {
  std::optional<std::string> status;
  if (!waitUntil([&] { return (status = readState("status")).has_value(); }, timeout)) {
    return std::nullopt;
  }
  return std::atoi(status->c_str());
}

std::string TmuxSession::modesAfterExit() const {
  return readState("modes").value_or("");
}

std::string TmuxSession::paneFlags() const {
  return tmux({"display-message", "-p", "-t", Target,
               "alternate=#{alternate_on} cursor=#{cursor_flag} mouse=#{mouse_any_flag}"
               "#{mouse_button_flag}#{mouse_standard_flag}#{mouse_sgr_flag}"});
}

std::string TmuxSession::mouseModes() const {
  return tmux({"display-message", "-p", "-t", Target, "#{mouse_any_flag}#{mouse_sgr_flag}"});
}

bool TmuxSession::pastesBracketed() const {
  const std::string marker = "pasted-after-the-program";
  paste(marker + "\n", true);
  std::string typed;
  waitUntil([&] {
    typed = readState("typed-after").value_or("");
    return typed.find(marker) != std::string::npos;
  });
  return typed.find("\033[200~") != std::string::npos;
}

bool TmuxSession::terminalRestored() const {
  const std::string modes = modesAfterExit();
  const bool modesNormal = hasToken(modes, "icanon") && hasToken(modes, "echo") &&
                           hasToken(modes, "isig") && hasToken(modes, "icrnl");
  return modesNormal && paneFlags() == "alternate=0 cursor=1 mouse=0000\n" && !pastesBracketed();
}

}  // namespace tallowmere::testing
