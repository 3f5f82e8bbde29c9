// The line driver's reader against the plain reference reader: the same records, and each
// read taking the same bytes, with as many LFs among them, and cutting its line alike.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "model/ReferenceModel.h"
#include "support/DriverLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tallowmere::fuzzing::FuzzFile file = tallowmere::fuzzing::splitInput(data, size);
  const auto actual = tallowmere::fuzzing::readThroughDriver(file);
  const auto expected = tallowmere::model::readLines(file.bytes);
  if (actual.size() != expected.size()) {
    std::fprintf(stderr, "driver read %zu lines, model %zu\n", actual.size(), expected.size());
    tallowmere::fuzzing::broken("line counts differ");
  }
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (actual[i].record != expected[i].record || actual[i].bytes != expected[i].bytes ||
        actual[i].cut != expected[i].cut || actual[i].lineFeeds != expected[i].lineFeeds) {
      std::fprintf(stderr, "line %zu: driver took %zu bytes, model %zu\n", i + 1, actual[i].bytes,
                   expected[i].bytes);
      tallowmere::fuzzing::broken("a line differs from the model");
    }
  }
  return 0;
}
