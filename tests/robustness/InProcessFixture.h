#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ConversionOptions.h"
#include "support/TempDir.h"
#include "support/headless/HeadlessFrontEnd.h"

namespace tallowmere::testing {

// Conversions run inside the test program, in a fresh working folder, so that a fault
// plan can be put on a file first. A case that ends the process (a fatal message, a halt)
// runs as a death test in a plain fork of this process: the child then works in this very
// folder, and what it leaves there can be checked after it died.
//
// The file declarations belong to the thread and outlive each case, so their planned
// faults, opens and names are put back afterwards.
class InProcessTest : public ::testing::Test {
 protected:
  InProcessTest();
  ~InProcessTest() override;

  // Runs the program with a batch conversion on the batch front end, which writes every
  // message box to standard error as "caption: text".
  void convert(const app::ConversionOptions& options);
  const std::vector<platform::MessageBoxRecord>& messageBoxes() const { return boxes_; }

  std::string input() const { return readFile(folder / "Import.txa"); }
  std::string output() const { return readFile(folder / "Export.txa"); }

  TempDir folder{true};

 private:
  std::vector<platform::MessageBoxRecord> boxes_;
};

app::ConversionOptions allCorrections();

}  // namespace tallowmere::testing
