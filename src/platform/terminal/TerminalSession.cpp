#include "platform/terminal/TerminalSession.h"

#include <curses.h>
#include <langinfo.h>
#include <poll.h>
#include <term.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "platform/terminal/EmergencyRestore.h"
#include "platform/terminal/KeyCodes.h"

namespace tallowmere::platform {

namespace {

// Esc must close a window promptly, yet an arrow key's escape sequence must not be taken
// for Esc; a few hundredths are plenty for a local or tmux terminal.
constexpr int EscapeDelayMilliseconds = 25;

// Mouse reports with the positions while a button is held (button-event tracking), which
// dragging a title bar needs; in the SGR encoding where the terminal knows it, as the xterm
// one cannot say a column past 223.
// Bracketed paste besides, so that a path pasted or dropped on the terminal can be told
// from typed keys.
constexpr const char* TerminalReportsOn = "\033[?1000h\033[?1002h\033[?1006h\033[?2004h";
constexpr const char* MouseReportStart = "\033[M";
constexpr const char* SgrMouseReportStart = "\033[<";
constexpr const char* PasteStart = "\033[200~";
constexpr const char* PasteEnd = "\033[201~";

bool sessionUp = false;

struct ModifiedArrow {
  const char* sequence;
  int code;
};

// xterm's encodings of Ctrl (5) and Alt (3) with the arrow keys, as tmux sends them too.
constexpr ModifiedArrow ModifiedArrows[] = {
    {"\033[1;5A", ModifiedUp},    {"\033[1;5B", ModifiedDown}, {"\033[1;5C", ModifiedRight},
    {"\033[1;5D", ModifiedLeft},  {"\033[1;3A", ModifiedUp},   {"\033[1;3B", ModifiedDown},
    {"\033[1;3C", ModifiedRight}, {"\033[1;3D", ModifiedLeft},
};

bool terminalAttached() {
  return isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
}

// A terminal that cannot place the cursor (TERM=dumb, say) would show the windows as a
// stream of garbage.
bool canPlaceCursor() {
  int status = 0;
  if (setupterm(nullptr, STDOUT_FILENO, &status) != OK) return false;
  const char* placeCursor = tigetstr(const_cast<char*>("cup"));
  const bool can = placeCursor != nullptr && placeCursor != reinterpret_cast<const char*>(-1);
  del_curterm(cur_term);
  return can;
}

Glyphs glyphsForLocale() {
  return std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0 ? Glyphs::Unicode : Glyphs::Ascii;
}

void setUpInput() {
  raw();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  set_escdelay(EscapeDelayMilliseconds);
  for (const ModifiedArrow& arrow : ModifiedArrows) define_key(arrow.sequence, arrow.code);
  define_key(MouseReportStart, MouseReportKey);
  define_key(SgrMouseReportStart, SgrMouseReportKey);
  define_key(PasteStart, PasteStartKey);
  define_key(PasteEnd, PasteEndKey);
  curs_set(0);
}

// Straight to the terminal, not into a buffer that would hold it until curses next writes
// or the program ends.
void sendToTerminal(const char* sequence) {
  std::fflush(stdout);
  for (std::size_t left = std::strlen(sequence); left > 0;) {
    const ssize_t written = ::write(STDOUT_FILENO, sequence, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    sequence += written;
    left -= static_cast<std::size_t>(written);
  }
}

}  // namespace

std::unique_ptr<TerminalSession> TerminalSession::start() {
  if (sessionUp || !terminalAttached() || !canPlaceCursor()) return nullptr;
  // Only the character type: numbers and messages elsewhere keep the C conventions.
  std::setlocale(LC_CTYPE, "");
  EmergencyRestore::saveModes();
  SCREEN* screen = newterm(nullptr, stdout, stdin);
  if (screen == nullptr) return nullptr;
  set_term(screen);
  EmergencyRestore::captureResetStrings();
  setUpInput();
  sendToTerminal(TerminalReportsOn);
  return std::unique_ptr<TerminalSession>(new TerminalSession(screen, glyphsForLocale()));
}

TerminalSession::TerminalSession(void* screen, Glyphs glyphs) : screen_(screen), glyphs_(glyphs) {
  sessionUp = true;
  EmergencyRestore::arm();
  // A halt or fatal message ends the process without unwinding; the hook still gives the
  // terminal back (and endProcess's own flush then has nothing of ours left to write).
  exitHook_ = runtime::ExitHooks::add([this] { end(); });
}

TerminalSession::~TerminalSession() {
  end();
  delscreen(static_cast<SCREEN*>(screen_));
}

void TerminalSession::end() {
  if (ended_) return;
  ended_ = true;
  runtime::ExitHooks::remove(exitHook_);
  sendToTerminal(TerminalReportsOff);
  curs_set(1);
  endwin();
  std::fflush(stdout);
  EmergencyRestore::disarm();
  sessionUp = false;
}

bool TerminalSession::inputGone() const {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  return ::poll(&input, 1, 0) == 1 && (input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

CellSize TerminalSession::screenSize() const {
  return {COLS, LINES};
}

}  // namespace tallowmere::platform
