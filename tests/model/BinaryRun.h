#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tallowmere::model {

struct BinaryOutcome {
  int status = -1;     // the exit status, or -1 when the program did not exit normally
  std::string output;  // what it wrote on stdout
  std::string errors;  // and on stderr
};

// Runs binary with args in folder, with no input and a settings folder of its own inside
// folder, so no run touches the real home. A run that hangs is killed after timeLimit.
BinaryOutcome runBinary(const std::filesystem::path& binary, const std::filesystem::path& folder,
                        const std::vector<std::string>& args, unsigned timeLimitSeconds = 60);

// Whether the binary named by TALLOWMERE_BINARY exists and offers the batch converter;
// empty when it does, otherwise why not.
std::string whyNoBatchConverter();
std::filesystem::path binaryUnderTest();

}  // namespace tallowmere::model
