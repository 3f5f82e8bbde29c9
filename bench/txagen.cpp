// Writes synthetic TXA exports for the benchmarks. The same seed gives the same bytes on
// every machine, so a run can be repeated and two builds compared on identical input.
//
//   txagen [--mode realistic|alternating|runon] [--size N[K|M|G]] [--lines N]
//          [--run-length N] [--seed N] [--output FILE]
//
// realistic    an application export: header, procedures with data, prompts, windows and
//              embedded source; clauses wrapped as the environment wraps them
// alternating  almost every line opens a clause and the next line closes it
// runon        a clause opened once and continued for --run-length lines (0: to the end);
//              every continuation brings only the continuation mark, which the join
//              drops again, so the held text never grows and never closes
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// splitmix64: fixed arithmetic, unlike the standard library's distributions.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint64_t below(std::uint64_t bound) { return next() % bound; }
  bool percent(unsigned chance) { return below(100) < chance; }
  template <std::size_t N>
  std::string_view pick(const std::array<std::string_view, N>& words) {
    return words[below(N)];
  }

 private:
  std::uint64_t state_;
};

// Lines with CR LF, written in large blocks, counted as they go.
class Output {
 public:
  explicit Output(std::FILE* file) : file_(file) {}
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;
  ~Output() { flush(); }

  void line(std::string_view text) {
    buffer_.append(text);
    buffer_.append("\r\n");
    bytes_ += text.size() + 2;
    ++lines_;
    if (buffer_.size() >= (1u << 20)) flush();
  }
  void flush() {
    if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
      failed_ = true;
    buffer_.clear();
  }

  std::uint64_t bytes() const { return bytes_; }
  std::uint64_t lines() const { return lines_; }
  bool failed() const { return failed_; }

 private:
  std::FILE* file_;
  std::string buffer_;
  std::uint64_t bytes_ = 0;
  std::uint64_t lines_ = 0;
  bool failed_ = false;
};

struct Limits {
  std::uint64_t bytes = 0;  // 0: no byte limit
  std::uint64_t lines = 0;  // 0: no line limit
  bool reached(const Output& out) const {
    return (bytes != 0 && out.bytes() >= bytes) || (lines != 0 && out.lines() >= lines);
  }
};

constexpr std::array<std::string_view, 12> Nouns{"Customer", "Invoice", "Order",   "Product",
                                                 "Supplier", "Payment", "Account", "Region",
                                                 "Employee", "Contact", "Stock",   "Ledger"};
constexpr std::array<std::string_view, 6> Verbs{"Browse", "Update", "Select",
                                                "Report", "Import", "Print"};
constexpr std::array<std::string_view, 6> Types{"STRING(20)", "LONG",       "DECIMAL(9,2)",
                                                "BYTE",       "STRING(60)", "DATE"};
constexpr std::array<std::string_view, 4> Fonts{"Microsoft Sans Serif", "Tahoma", "Segoe UI",
                                                "Arial"};
constexpr std::array<std::string_view, 5> Controls{"BUTTON", "ENTRY", "PROMPT", "CHECK", "STRING"};

std::string number(std::uint64_t value) {
  return std::to_string(value);
}

std::string guid(Random& random) {
  static constexpr std::string_view Hex = "0123456789ABCDEF";
  std::string text;
  for (const int group : {8, 4, 4, 4, 12}) {
    if (!text.empty()) text += '-';
    for (int i = 0; i < group; ++i) text += Hex[random.below(16)];
  }
  return text;
}

std::string padTo(std::string text, std::size_t column) {
  if (text.size() < column) text.resize(column, ' ');
  return text + ' ';
}

// Writes head + args + tail, breaking the line after each of the first `breaks` commas
// of args the way the environment wraps long lines: " |" ends a line that goes on.
void wrapped(Output& out, const std::string& head, const std::string& args, const std::string& tail,
             std::size_t breaks, std::size_t indent) {
  std::string line = head;
  std::size_t from = 0;
  for (std::size_t comma = args.find(','); comma != std::string::npos && breaks > 0;
       comma = args.find(',', from), --breaks) {
    out.line(line + args.substr(from, comma + 1 - from) + " |");
    line = std::string(indent, ' ');
    from = comma + 1;
  }
  out.line(line + args.substr(from) + tail);
}

// Most clauses fit on their line; the others are wrapped over two or three lines.
void clause(Output& out, Random& random, const std::string& head, const std::string& args,
            const std::string& tail) {
  const std::size_t breaks = random.percent(70) ? 0 : 1 + random.below(2);
  wrapped(out, head, args, tail, breaks, 5 + random.below(6));
}

class RealisticExport {
 public:
  RealisticExport(Output& out, Random& random) : out_(out), random_(random) {}

  void write(const Limits& limits) {
    header();
    for (std::uint64_t procedure = 1; !limits.reached(out_); ++procedure)
      this->procedure(procedure);
    out_.line("[END]");
  }

 private:
  void header() {
    out_.line("[APPLICATION]");
    out_.line("VERSION 34");
    out_.line("DICTIONARY 'Generated.dct'");
    out_.line("PROCEDURE Main");
    out_.line("[COMMON]");
    out_.line("DESCRIPTION 'Generated application'");
    out_.line("FROM ABC Application");
    out_.line("!!> GUID('" + guid(random_) + "')");
  }

  void procedure(std::uint64_t index) {
    const std::string name =
        std::string(random_.pick(Verbs)) + std::string(random_.pick(Nouns)) + number(index);
    out_.line("[PROCEDURE]");
    out_.line("NAME " + name);
    out_.line("!!> GUID('" + guid(random_) + "')");
    out_.line("[COMMON]");
    out_.line("DESCRIPTION '" + name + " procedure'");
    out_.line("FROM ABC Window");
    data();
    prompts();
    window(name);
    source();
    out_.line("[END]");
  }

  void data() {
    out_.line("[DATA]");
    const std::uint64_t fields = 2 + random_.below(12);
    for (std::uint64_t i = 0; i < fields; ++i) {
      const std::string field = "LOC:" + std::string(random_.pick(Nouns)) + number(i);
      out_.line(padTo(field, 24) + std::string(random_.pick(Types)));
      std::string guidLine = "!!> GUID('" + guid(random_) + "')";
      if (random_.percent(60))
        guidLine += ",PROMPT('" + field.substr(4) + ":'),HEADER('" + field.substr(4) + "')";
      out_.line(guidLine);
    }
  }

  void prompts() {
    out_.line("[PROMPTS]");
    out_.line("%WindowMessage DEFAULT  ('')");
    out_.line("%CloseOnExit LONG  (1)");
    const std::uint64_t lists = 1 + random_.below(3);
    for (std::uint64_t i = 0; i < lists; ++i) {
      const std::uint64_t items = 1 + random_.below(6);
      std::string args;
      for (std::uint64_t item = 0; item < items; ++item)
        args += (item == 0 ? "" : ",") + std::string("?") + std::string(random_.pick(Nouns)) +
                number(item);
      const std::string head = "%ButtonAction" + number(i) + " DEPEND %Control STRING TIMES " +
                               number(items) + " (#FIELD(";
      // A list of several items is the one the environment nearly always wraps.
      const bool wrap = items > 2 && random_.percent(80);
      wrapped(out_, head, args, "))", wrap ? items : 0, 3);
    }
  }

  void window(const std::string& name) {
    out_.line("[WINDOW]");
    const std::string font = "'" + std::string(random_.pick(Fonts)) + "'";
    clause(out_, random_, "Window WINDOW('" + name + "'),AT(",
           ",," + number(200 + random_.below(300)) + "," + number(100 + random_.below(200)),
           "),FONT(" + font + ",8,,FONT:regular),CENTER,GRAY,MDI,SYSTEM");
    const std::uint64_t controls = 3 + random_.below(20);
    for (std::uint64_t ordinal = 1; ordinal <= controls; ++ordinal) control(ordinal);
    out_.line("     END");
  }

  void control(std::uint64_t ordinal) {
    const std::string kind(random_.pick(Controls));
    const std::string use =
        ",USE(?" + kind + number(ordinal) + "),#ORDINAL(" + number(ordinal) + ")";
    const std::string at = number(random_.below(300)) + "," + number(random_.below(200)) + "," +
                           number(10 + random_.below(90)) + "," + number(10 + random_.below(4));
    const std::string head = "       " + kind + "('" + std::string(random_.pick(Nouns)) + "')";
    if (random_.percent(15)) {
      const std::string font =
          std::string(random_.pick(Fonts)) + "'," + number(8 + random_.below(6)) + ",,FONT:bold";
      clause(out_, random_, head + ",AT(" + at + "),FONT('", font, ")" + use);
      return;
    }
    clause(out_, random_, head + ",AT(", at, ")" + use);
  }

  void source() {
    out_.line("[SOURCE]");
    out_.line("PROPERTY:BEGIN");
    out_.line("PRIORITY " + number(1000 + random_.below(9000)));
    out_.line("PROPERTY:END");
    const std::uint64_t statements = random_.below(8);
    for (std::uint64_t i = 0; i < statements; ++i) {
      const std::string variable = "LOC:" + std::string(random_.pick(Nouns)) + number(i);
      out_.line("\tIF " + variable + " > " + number(random_.below(100)));
      out_.line("\t\t" + variable + " = 0\t! reset");
      out_.line("\tEND");
    }
  }

  Output& out_;
  Random& random_;
};

// One clause per line pair, cycling through the three joined markers.
void alternating(Output& out, Random& random, const Limits& limits) {
  for (std::uint64_t i = 0; !limits.reached(out); ++i) {
    if (random.percent(2)) out.line("  ! plain comment " + number(i));
    switch (i % 3) {
      case 0:
        out.line("  ENTRY(@n6),AT(10," + number(i % 500) + ", |");
        out.line("     40,10),USE(?E" + number(i) + ")");
        break;
      case 1:
        out.line("  STRING(@s20),USE(?S" + number(i) + "),FONT('" +
                 std::string(random.pick(Fonts)) + "', |");
        out.line("     8,,FONT:regular)");
        break;
      default:
        out.line("%P" + number(i) + " DEPEND %C STRING (#FIELD(?A" + number(i) + ", |");
        out.line("   ?B" + number(i) + "))");
        break;
    }
  }
}

void runOn(Output& out, const Limits& limits, std::uint64_t runLength) {
  while (!limits.reached(out)) {
    out.line("  LIST,AT(0,0, |");
    for (std::uint64_t i = 0; (runLength == 0 || i < runLength) && !limits.reached(out); ++i)
      out.line("   |");
    if (runLength != 0) out.line("   0)");
  }
}

struct Arguments {
  std::string mode = "realistic";
  Limits limits;
  std::uint64_t runLength = 0;
  std::uint64_t seed = 1;
  std::string output;
};

bool parseCount(const char* text, std::uint64_t& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtoull(text, &end, 10);
  if (errno != 0 || end == text) return false;
  const std::string_view suffix(end);
  if (suffix == "K")
    value <<= 10;
  else if (suffix == "M")
    value <<= 20;
  else if (suffix == "G")
    value <<= 30;
  else if (!suffix.empty())
    return false;
  return true;
}

bool parse(int argc, char** argv, Arguments& args) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    bool ok = true;
    if (option == "--mode")
      args.mode = value;
    else if (option == "--size")
      ok = parseCount(value, args.limits.bytes);
    else if (option == "--lines")
      ok = parseCount(value, args.limits.lines);
    else if (option == "--run-length")
      ok = parseCount(value, args.runLength);
    else if (option == "--seed")
      ok = parseCount(value, args.seed);
    else if (option == "--output")
      args.output = value;
    else
      ok = false;
    if (!ok) return false;
  }
  if (args.limits.bytes == 0 && args.limits.lines == 0) {
    if (args.mode == "realistic")
      args.limits.bytes = 5u << 20;
    else
      args.limits.lines = 1000000;
  }
  return args.mode == "realistic" || args.mode == "alternating" || args.mode == "runon";
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  if (!parse(argc, argv, args)) {
    std::fputs(
        "usage: txagen [--mode realistic|alternating|runon] [--size N[K|M|G]] [--lines N]\n"
        "              [--run-length N] [--seed N] [--output FILE]\n",
        stderr);
    return 2;
  }
  std::FILE* file = args.output.empty() ? stdout : std::fopen(args.output.c_str(), "wb");
  if (file == nullptr) {
    std::fprintf(stderr, "txagen: cannot write %s: %s\n", args.output.c_str(),
                 std::strerror(errno));
    return 1;
  }
  Random random(args.seed);
  bool failed = false;
  {
    Output out(file);
    if (args.mode == "realistic")
      RealisticExport(out, random).write(args.limits);
    else if (args.mode == "alternating")
      alternating(out, random, args.limits);
    else
      runOn(out, args.limits, args.runLength);
    out.flush();
    failed = out.failed();
    std::fprintf(stderr, "txagen: %llu lines, %llu bytes\n",
                 static_cast<unsigned long long>(out.lines()),
                 static_cast<unsigned long long>(out.bytes()));
  }
  if (file != stdout && std::fclose(file) != 0) failed = true;
  if (failed) std::fputs("txagen: writing failed\n", stderr);
  return failed ? 1 : 0;
}
