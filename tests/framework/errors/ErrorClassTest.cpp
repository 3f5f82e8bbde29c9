#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <thread>

#include "framework/errors/ErrorClass.h"
#include "framework/errors/ErrorStatusClass.h"
#include "runtime/core/Calendar.h"
#include "runtime/core/PlatformServices.h"
#include "runtime/files/ErrorState.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "support/TestText.h"

namespace tallowmere::framework {
namespace {

namespace Button = runtime::Button;

class ErrorClassTest : public ::testing::Test {
 protected:
  ErrorClassTest() { errors.Init(status); }

  // Raises a message of our own with the given text and returns the text shown.
  std::string shown(std::string_view text, int id = 900) {
    errors.AddError(id, text, "Test", Level::Notify);
    EXPECT_EQ(errors.TakeError(id), Level::Notify);
    return boxes.shown().back().text;
  }

  ErrorStatusClass status;
  ErrorClass errors;
  testing::RecordingMessageBox boxes;
};

TEST_F(ErrorClassTest, AFailedWriteBackNamesTheViewAndTheError) {
  runtime::setError(runtime::ErrorCode::AccessDenied);
  EXPECT_EQ(errors.ThrowFile(28, "Process:View"), Level::Notify);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Record was not updated");
  EXPECT_EQ(boxes.shown()[0].text,
            "An error (Access Denied (5)) was experienced when making changes to the "
            "Process:View file.");
  EXPECT_EQ(boxes.shown()[0].icon, runtime::Icon::Information);
  EXPECT_EQ(boxes.shown()[0].buttons, Button::OK);
}

TEST_F(ErrorClassTest, LongerMacrosAreReplacedBeforeTheirPrefixes) {
  runtime::setError(runtime::ErrorCode::OperatingSystemError,
                    tallowmere::testing::systemCause(ENOSPC));
  errors.SetErrors();
  errors.SetFile("data.txt");
  EXPECT_EQ(shown("%FileErrorCode|%FileError|%File|%ErrorCode|%Error"),
            std::to_string(ENOSPC) + "|No space left on device|data.txt|90|File System Error");
}

TEST_F(ErrorClassTest, ErrorTextShowsTheDriversErrorOnlyFor90And100) {
  runtime::setError(runtime::ErrorCode::OperatingSystemError,
                    tallowmere::testing::systemCause(EIO));
  errors.SetErrors();
  EXPECT_EQ(shown("%ErrorText"), "Input/output error (" + std::to_string(EIO) + ")");
  runtime::setError(runtime::ErrorCode::FileNotFound);
  errors.SetErrors();
  EXPECT_EQ(shown("%ErrorText"), "File Not Found (2)");
  // 100 is no runtime code here; the state is set as a driver would leave it.
  runtime::restoreError({100, "General", "7", "Driver said no"});
  errors.SetErrors();
  EXPECT_EQ(shown("[%errortext]"), "[Driver said no (7)]");
}

TEST_F(ErrorClassTest, AValueHoldingItsOwnMacroIsInsertedOnce) {
  errors.SetFile("%FILE.txt");
  EXPECT_EQ(shown("%File and %file"), "%FILE.txt and %FILE.txt");
  errors.SetFile("%File");
  EXPECT_EQ(shown("<%File>"), "<%File>");
  errors.SetFile("my%file");
  EXPECT_EQ(shown("<%File>"), "<my%file>");
  // Inserted text is subject to the later macros.
  errors.SetFile("%Key");
  errors.SetKey("K");
  EXPECT_EQ(shown("%File"), "K");
}

TEST_F(ErrorClassTest, PreviousIsTheTextOfTheMessageHandledBefore) {
  errors.AddError(901, "first text %File", "First", Level::Notify);
  errors.TakeError(901);
  EXPECT_EQ(shown("after: %Previous", 902), "after: first text %File");
  EXPECT_EQ(shown("again: %Previous", 903), "again: after: %Previous");
}

TEST_F(ErrorClassTest, ProcedureIsThisThreadsInnermostName) {
  EXPECT_EQ(shown("[%Procedure]"), "[]");
  errors.SetProcedureName("ImportTXA  ");
  errors.SetProcedureName("RemoveGuids");
  std::string elsewhere = "unset";
  std::thread([&] { elsewhere = errors.GetProcedureName(); }).join();
  EXPECT_EQ(elsewhere, "");
  EXPECT_EQ(shown("[%Procedure]"), "[RemoveGuids]");
  errors.SetProcedureName();
  EXPECT_EQ(shown("[%Procedure]"), "[ImportTXA]");
  errors.SetProcedureName();
  errors.SetProcedureName();
  EXPECT_EQ(errors.GetProcedureName(), "");
}

TEST_F(ErrorClassTest, TextsAreKeptWithinTheirLimits) {
  errors.SetFile(std::string(300, 'f'));
  EXPECT_EQ(shown("%File"), std::string(254, 'f'));
  EXPECT_EQ(shown("%File%File%File%File%File%File%File%File%File").size(), 1999u);
  errors.SetMessageText("tail   ");
  EXPECT_EQ(shown("%Message   "), "tail");
}

TEST_F(ErrorClassTest, CategoryDefaultsToTheReportersOwn) {
  // The macro shows the message's own category, which built-in messages leave empty.
  EXPECT_EQ(shown("[%Category]"), "[]");
  EXPECT_EQ(errors.GetCategory(900), "Qor");
  errors.SetCategory(900, "Mine");
  EXPECT_EQ(errors.GetCategory(900), "Mine");
  errors.TakeError(900);
  EXPECT_EQ(boxes.shown().back().text, "[Mine]");
  errors.SetDefaultCategory("Other");
  EXPECT_EQ(errors.GetCategory(25), "Other");
}

TEST_F(ErrorClassTest, TheTableHoldsTheBuiltInMessagesAndTheLatestEntryWins) {
  ErrorEntry entry;
  ASSERT_TRUE(errors.GetErrorEntry(26, entry));
  EXPECT_EQ(entry.Title, "File Access Error");
  EXPECT_EQ(entry.Message, "File %File could not be opened.  Error: %ErrorText.");
  EXPECT_EQ(entry.Fatality, static_cast<std::uint8_t>(Level::Fatal));
  ASSERT_TRUE(errors.GetErrorEntry(52, entry));
  EXPECT_EQ(entry.Message, "Poorly Formed Comment String \"%Message\" at Position %Field.");
  EXPECT_FALSE(errors.GetErrorEntry(32, entry));

  errors.AddError(25, "replaced", "Replaced", Level::Notify);
  errors.TakeError(25);
  EXPECT_EQ(boxes.shown().back().caption, "Replaced");
  errors.RemoveError(25);
  errors.TakeError(25);
  EXPECT_EQ(boxes.shown().back().caption, "No Records");
  EXPECT_EQ(boxes.shown().back().text, "There are no records available to process.");
}

TEST_F(ErrorClassTest, AQuestionIsBenignOnlyWhenAnsweredYes) {
  boxes.answer(Button::Yes);
  EXPECT_EQ(errors.TakeError(10), Level::Benign);
  EXPECT_EQ(boxes.shown().back().icon, runtime::Icon::Warning);
  EXPECT_EQ(boxes.shown().back().buttons, Button::Yes | Button::No);
  EXPECT_EQ(boxes.shown().back().defaultButton, Button::Yes);
  boxes.answer(Button::No);
  EXPECT_EQ(errors.TakeError(10), Level::Cancel);
  boxes.answer(0);  // the box was closed without an answer
  EXPECT_EQ(errors.TakeError(10), Level::Cancel);
  errors.AddError(902, "cancel level", "Q", Level::Cancel);
  boxes.answer(Button::No);
  EXPECT_EQ(errors.TakeError(902), Level::Cancel);
}

TEST_F(ErrorClassTest, BenignMessagesShowNothingAndSilenceHidesAll) {
  errors.AddError(903, "quiet", "Q", Level::Benign);
  EXPECT_EQ(errors.TakeError(903), Level::Benign);
  errors.SetSilent(true);
  EXPECT_EQ(errors.TakeError(25), Level::Notify);
  EXPECT_EQ(errors.Message(25, Button::OK, Button::OK), Button::OK);
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ErrorClassTest, AKeptHistoryDropsItsOldestEntries) {
  errors.SetHistoryThreshold(2);
  errors.SetHistoryViewLevel(9);  // nothing reaches the history window
  errors.TakeError(25);
  errors.ThrowMessage(27, "Main  ");
  errors.TakeError(2);
  const std::vector<ErrorHistoryEntry> history = errors.GetHistory();
  ASSERT_EQ(history.size(), 2u);
  EXPECT_EQ(history[0].Txt, "The Procedure Main has not been defined.");
  EXPECT_EQ(history[1].Id, 2);
  EXPECT_TRUE(boxes.shown().empty());
}

// Two moments that differ in every field, each field with a leading zero or without.
class SteppingCalendar : public runtime::Calendar {
 public:
  runtime::LocalTime now() const override {
    return calls_++ == 0 ? runtime::LocalTime{2026, 3, 7, 9, 5, 1}
                         : runtime::LocalTime{2027, 11, 23, 17, 42, 59};
  }

 private:
  mutable int calls_ = 0;
};

TEST_F(ErrorClassTest, LoggedMessagesAreAppendedToTheLogFileWithTheLocalTime) {
  tallowmere::testing::TempDir folder(true);
  SteppingCalendar stepping;
  const runtime::ScopedServices installed({.calendar = &stepping});
  errors.SetLogErrors(true);
  errors.TakeError(25);
  errors.ThrowMessage(27, "Main");
  EXPECT_EQ(tallowmere::testing::readFile("QorError.Log"),
            "2026/03/07@09:05:01 --> There are no records available to process.\r\n"
            "2027/11/23@17:42:59 --> The Procedure Main has not been defined.\r\n");
  EXPECT_EQ(boxes.shown().size(), 2u);
}

void raiseFatal(int id) {
  ErrorStatusClass status;
  ErrorClass errors;
  errors.Init(status);
  testing::RecordingMessageBox boxes;
  runtime::setError(runtime::ErrorCode::FileNotFound);
  errors.ThrowFile(id, "Import.txa");
}

TEST(ErrorClassDeathTest, AFatalMessageEndsTheProcessWithAFailureStatus) {
  EXPECT_EXIT(raiseFatal(26), ::testing::ExitedWithCode(1),
              "\\[File Access Error\\] File Import.txa could not be opened.  Error: File Not "
              "Found \\(2\\).  Press OK to end this application\n\\[Halt\\] File Access Error");
}

TEST(ErrorClassDeathTest, AProgramLevelMessageIsHandledAsFatal) {
  EXPECT_EXIT(raiseFatal(42), ::testing::ExitedWithCode(1),
              "Attempt to use file \\(Import.txa\\) before it was opened  Press OK");
}

TEST(ErrorClassDeathTest, AnUnknownIdIsAProgrammingError) {
  EXPECT_EXIT(raiseFatal(999), ::testing::ExitedWithCode(3), "Identifier not found\\.");
}

}  // namespace
}  // namespace tallowmere::framework
