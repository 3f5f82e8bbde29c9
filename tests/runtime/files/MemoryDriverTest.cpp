#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/files/ErrorState.h"
#include "runtime/files/File.h"
#include "runtime/files/MemoryDriver.h"
#include "runtime/files/View.h"

namespace tallowmere::runtime {
namespace {

using Lines = std::vector<std::string>;

class MemoryDriverTest : public ::testing::Test {
 protected:
  MemoryDriverTest() : table("Table", "table.tps", std::make_unique<MemoryDriver>()) {
    EXPECT_EQ(table.create(), 0);
    EXPECT_EQ(table.open(), 0);
  }

  void add(const std::string& text) {
    table.record().assign(text);
    ASSERT_EQ(table.add(), 0);
  }
  void fill(const Lines& lines) {
    for (const std::string& line : lines) add(line);
  }
  // A full read from the first record.
  Lines contents() {
    EXPECT_EQ(table.setStart(), 0);
    Lines lines;
    while (table.next() == 0) lines.emplace_back(table.record().clipped());
    return lines;
  }
  std::string next() {
    EXPECT_EQ(table.next(), 0);
    return std::string(table.record().clipped());
  }
  void putBack(const std::string& text) { ASSERT_EQ(table.insertAtScan(LineText(text)), 0); }

  File table;
};

TEST_F(MemoryDriverTest, RecordsAreReadInTheOrderTheyWereAdded) {
  fill({"one", "  two", "", "four   "});
  EXPECT_EQ(contents(), (Lines{"one", "  two", "", "four"}));
  EXPECT_EQ(table.records(), 4);
  EXPECT_EQ(table.record().view().size(), LineWidth);
}

TEST_F(MemoryDriverTest, LinesAreHeldWithoutTheirPadding) {
  fill({"abc   ", std::string(500, ' '), "x"});
  EXPECT_EQ(table.bytes(), 4);
}

TEST_F(MemoryDriverTest, APutRewritesTheCurrentRecordInItsPlace) {
  fill({"one", "two", "three"});
  table.setStart();
  next();
  next();
  table.record().assign(std::string(500, 'L'));
  ASSERT_EQ(table.put(), 0);
  EXPECT_EQ(next(), "three");
  EXPECT_EQ(contents(), (Lines{"one", std::string(500, 'L'), "three"}));
}

TEST_F(MemoryDriverTest, DeletingDuringAScanGoesOnWithTheFollowingRecord) {
  fill({"r1", "r2", "r3", "r4", "r5"});
  table.setStart();
  Lines seen{next(), next(), next()};
  ASSERT_EQ(table.remove(), 0);
  seen.push_back(next());
  seen.push_back(next());
  EXPECT_EQ(table.next(), ErrorCode::RecordNotAvailable);
  EXPECT_EQ(seen, (Lines{"r1", "r2", "r3", "r4", "r5"}));
  EXPECT_EQ(contents(), (Lines{"r1", "r2", "r4", "r5"}));
}

TEST_F(MemoryDriverTest, EveryRecordCanBeDeletedInOneScan) {
  fill({"a", "b", "c"});
  table.setStart();
  while (table.next() == 0) ASSERT_EQ(table.remove(), 0);
  EXPECT_EQ(contents(), Lines{});
  EXPECT_EQ(table.records(), 0);
  add("after");
  EXPECT_EQ(contents(), Lines{"after"});
}

TEST_F(MemoryDriverTest, PutAndDeleteNeedACurrentRecord) {
  fill({"a"});
  table.setStart();
  EXPECT_EQ(table.put(), ErrorCode::RecordNotAvailable);
  next();
  ASSERT_EQ(table.remove(), 0);
  EXPECT_EQ(table.remove(), ErrorCode::RecordNotAvailable);
  EXPECT_EQ(table.put(), ErrorCode::RecordNotAvailable);
}

TEST_F(MemoryDriverTest, LinesPutBackStandBeforeTheCurrentRecordAndAreNotRead) {
  fill({"a", "b", "c"});
  table.setStart();
  next();
  next();
  putBack("b1");
  putBack("b2");
  EXPECT_EQ(next(), "c");
  EXPECT_EQ(contents(), (Lines{"a", "b1", "b2", "b", "c"}));
}

TEST_F(MemoryDriverTest, LinesPutBackTakeTheDeletedRecordsPlace) {
  fill({"a", "b", "c"});
  table.setStart();
  next();
  next();
  table.remove();
  putBack("b as read");
  EXPECT_EQ(next(), "c");
  EXPECT_EQ(contents(), (Lines{"a", "b as read", "c"}));
}

TEST_F(MemoryDriverTest, LinesPutBackAfterTheEndOfTheScanGoToTheEnd) {
  fill({"a", "b", "c"});
  table.setStart();
  next();
  next();
  next();
  ASSERT_EQ(table.remove(), 0);
  ASSERT_EQ(table.next(), ErrorCode::RecordNotAvailable);
  putBack("c1");
  putBack("c2");
  EXPECT_EQ(table.next(), ErrorCode::RecordNotAvailable);
  EXPECT_EQ(contents(), (Lines{"a", "b", "c1", "c2"}));
}

TEST_F(MemoryDriverTest, TheTableSurvivesCloseAndReopenUntilEmptied) {
  fill({"kept", "too"});
  ASSERT_EQ(table.close(), 0);
  EXPECT_EQ(table.next(), ErrorCode::FileNotOpen);
  ASSERT_EQ(table.open(), 0);
  EXPECT_EQ(contents(), (Lines{"kept", "too"}));
  ASSERT_EQ(table.empty(), 0);
  EXPECT_EQ(contents(), Lines{});
}

TEST_F(MemoryDriverTest, TheTableExistsOnlyOnceCreated) {
  File fresh("Fresh", "fresh.tps", std::make_unique<MemoryDriver>());
  EXPECT_EQ(fresh.open(), ErrorCode::FileNotFound);
  ASSERT_EQ(fresh.create(), 0);
  ASSERT_EQ(fresh.open(), 0);
  EXPECT_EQ(fresh.open(), ErrorCode::FileAlreadyOpen);
  EXPECT_EQ(fresh.create(), ErrorCode::FileAlreadyOpen);
}

TEST_F(MemoryDriverTest, AReadOnlyOpenRefusesChanges) {
  fill({"a"});
  table.close();
  ASSERT_EQ(table.open(OpenMode::ReadOnly | OpenMode::DenyNone), 0);
  table.setStart();
  next();
  EXPECT_EQ(table.add(), ErrorCode::AccessDenied);
  EXPECT_EQ(table.put(), ErrorCode::AccessDenied);
  EXPECT_EQ(table.remove(), ErrorCode::AccessDenied);
  EXPECT_EQ(table.empty(), ErrorCode::AccessDenied);
  EXPECT_EQ(contents(), Lines{"a"});
}

TEST_F(MemoryDriverTest, AViewReadsPutsAndDeletesThroughItsFile) {
  fill({"a", "b", "c"});
  View view(table);
  ASSERT_EQ(view.open(), 0);
  EXPECT_EQ(view.open(), ErrorCode::FileAlreadyOpen);
  ASSERT_EQ(view.setStart(), 0);
  ASSERT_EQ(view.next(), 0);
  table.record().assign("A");
  ASSERT_EQ(view.put(), 0);
  ASSERT_EQ(view.next(), 0);
  ASSERT_EQ(view.remove(), 0);
  ASSERT_EQ(view.next(), 0);
  EXPECT_EQ(table.record().clipped(), "c");
  EXPECT_EQ(view.next(), ErrorCode::RecordNotAvailable);
  EXPECT_EQ(contents(), (Lines{"A", "c"}));
}

TEST_F(MemoryDriverTest, PlannedFaultsFailTheChosenCallOnly) {
  table.faults().failOn(FileOperation::Add, 2, ErrorCode::AccessDenied);
  table.faults().failFrom(FileOperation::Delete, 1, ErrorCode::OperatingSystemError,
                          SystemError{28, "No space left on device"});
  table.record().assign("1");
  EXPECT_EQ(table.add(), 0);
  EXPECT_EQ(table.add(), ErrorCode::AccessDenied);
  EXPECT_EQ(lastError().text, "Access Denied");
  EXPECT_EQ(table.add(), 0);
  table.setStart();
  next();
  EXPECT_EQ(table.remove(), ErrorCode::OperatingSystemError);
  EXPECT_EQ(lastError().driverCode, "28");
  EXPECT_EQ(lastError().driverText, "No space left on device");
  EXPECT_EQ(table.remove(), ErrorCode::OperatingSystemError);
  table.faults().clear();
  EXPECT_EQ(table.remove(), 0);
  EXPECT_EQ(contents(), Lines{"1"});
}

}  // namespace
}  // namespace tallowmere::runtime
