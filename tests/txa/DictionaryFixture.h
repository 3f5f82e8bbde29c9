#pragma once

#include <gtest/gtest.h>

#include "framework/errors/GlobalErrors.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "txa/Dictionary.h"
#include "txa/FileDeclarationsReset.h"
#include "txa/TxaFiles.h"

namespace tallowmere::txa::testing {

// A fresh working folder with the program's error reporter ready. The file declarations
// belong to the thread and outlive each test, so whatever a test changes on them (names,
// planned faults, an open) is put back afterwards.
class DictionaryTest : public ::testing::Test {
 protected:
  DictionaryTest() { framework::GlobalErrors.Init(framework::GlobalErrorStatus); }
  ~DictionaryTest() override { resetFileDeclarations(); }

  tallowmere::testing::TempDir folder{true};
  tallowmere::testing::RecordingMessageBox boxes;
};

}  // namespace tallowmere::txa::testing
