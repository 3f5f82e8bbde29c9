// Converts a file with the plain reference model of the tests, so a benchmark can check
// that the converter's output on a large generated input is byte for byte what it must be.
//
//   txamodel [--remove-guids] [--remove-ordinals] [--correct-hash-field]
//            [--correct-window-font] [--correct-at] [--all] INPUT OUTPUT
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "model/ReferenceModel.h"

namespace {

using tallowmere::model::Corrections;

bool choose(std::string_view option, Corrections& corrections) {
  if (option == "--all")
    corrections = Corrections::all();
  else if (option == "--remove-guids")
    corrections.removeGuids = true;
  else if (option == "--remove-ordinals")
    corrections.removeOrdinals = true;
  else if (option == "--correct-hash-field")
    corrections.correctHashField = true;
  else if (option == "--correct-window-font")
    corrections.correctWindowFont = true;
  else if (option == "--correct-at")
    corrections.correctAT = true;
  else
    return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Corrections corrections;
  int first = 1;
  while (first < argc - 2 && choose(argv[first], corrections)) ++first;
  if (argc < 3 || first != argc - 2) {
    std::fputs("usage: txamodel [correction options] INPUT OUTPUT\n", stderr);
    return 2;
  }
  std::ifstream in(argv[first], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "txamodel: cannot read %s\n", argv[first]);
    return 1;
  }
  const std::string input{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::string output = tallowmere::model::convert(input, corrections);
  std::ofstream out(argv[first + 1], std::ios::binary | std::ios::trunc);
  out.write(output.data(), static_cast<std::streamsize>(output.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "txamodel: cannot write %s\n", argv[first + 1]);
    return 1;
  }
  return 0;
}
