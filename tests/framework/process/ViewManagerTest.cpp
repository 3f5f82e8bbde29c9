#include <gtest/gtest.h>

#include "ProcessFixtures.h"
#include "framework/process/Percentage.h"
#include "framework/process/ViewManager.h"

namespace tallowmere::framework::testing {
namespace {

class ViewManagerTest : public ProcessTest {
 protected:
  // Reads the view to its end; the lines read, and the level that ended the reading.
  std::pair<Lines, Level> readAll(ViewManager& manager) {
    Lines lines;
    Level level;
    while ((level = manager.Next()) == Level::Benign) {
      lines.emplace_back(manager.View->primaryFile().record().clipped());
    }
    return {lines, level};
  }
};

TEST_F(ViewManagerTest, ReadsEveryRecordInStoredOrderAndKeepsTheFileOpenWhileAlive) {
  auto table = tableWith({"b", "a", "c"});
  runtime::View view(table->file);
  {
    ViewManager manager;
    manager.Init(view, table->relate);
    EXPECT_EQ(manager.AddSortOrder(), 1u);
    EXPECT_EQ(table->access.GetOpened(), 1);
    manager.Reset(0);

    EXPECT_EQ(readAll(manager), std::make_pair(Lines{"b", "a", "c"}, Level::Notify));
    EXPECT_EQ(view.order(), "");
    EXPECT_EQ(view.filter(), "");
    EXPECT_EQ(view.bufferHint().pageSize, 20);
  }
  // The destructor killed the manager: view closed, file released.
  EXPECT_FALSE(view.isOpen());
  EXPECT_EQ(table->access.GetOpened(), 0);
  EXPECT_TRUE(screen.messageBoxes().empty());
}

TEST_F(ViewManagerTest, EmptyFileEndsQuietly) {
  auto table = tableWith({});
  runtime::View view(table->file);
  ViewManager manager;
  manager.Init(view, table->relate);
  manager.AddSortOrder();
  manager.Reset(0);

  EXPECT_EQ(manager.Next(), Level::Notify);
  EXPECT_TRUE(screen.messageBoxes().empty());
}

TEST_F(ViewManagerTest, ReadErrorIsReportedAndFatal) {
  auto table = tableWith({"a", "b"});
  table->file.faults().failOn(runtime::FileOperation::Next, 2, 5);
  runtime::View view(table->file);
  ViewManager manager;
  manager.Init(view, table->relate);
  manager.AddSortOrder();
  manager.Reset(0);

  EXPECT_EQ(readAll(manager), std::make_pair(Lines{"a"}, Level::Fatal));
  ASSERT_EQ(screen.messageBoxes().size(), 1u);
  EXPECT_EQ(screen.messageBoxes()[0].request.caption, "Record Retrieval Error");
  EXPECT_EQ(
      screen.messageBoxes()[0].request.text,
      "Error: (Access Denied (5)) attempting to access a record from the TestTable.tps file.  "
      "Returning to previous window.");
}

TEST_F(ViewManagerTest, ViewAlreadyOpenIsNotReported) {
  auto table = tableWith({"a"});
  runtime::View view(table->file);
  ViewManager manager;
  manager.Init(view, table->relate);
  manager.AddSortOrder();
  ASSERT_EQ(view.open(), 0);
  manager.Reset(0);

  EXPECT_EQ(readAll(manager), std::make_pair(Lines{"a"}, Level::Notify));
  EXPECT_TRUE(screen.messageBoxes().empty());
}

TEST_F(ViewManagerTest, OrderAndFilterReachTheView) {
  auto table = tableWith({"a"});
  runtime::View view(table->file);
  ViewManager manager;
  manager.Init(view, table->relate);
  manager.AddSortOrder();
  manager.SetOrder("   ");
  EXPECT_EQ(manager.Order->front().OrderExpression, "");
  manager.SetOrder("+LINE");
  manager.Order->front().RangeLimits.push_back("A = 1");
  manager.Order->front().Filters.push_back("B > 2");
  manager.Open();

  EXPECT_EQ(view.order(), "+LINE");
  EXPECT_EQ(view.filter(), "A = 1 AND B > 2");
}

TEST_F(ViewManagerTest, KillTwiceReleasesOnce) {
  auto table = tableWith({"a"});
  ASSERT_EQ(table->relate.Open(), Level::Benign);
  runtime::View view(table->file);
  ViewManager manager;
  manager.Init(view, table->relate);
  manager.AddSortOrder();
  EXPECT_EQ(table->access.GetOpened(), 2);

  manager.Kill();
  manager.Kill();
  EXPECT_EQ(table->access.GetOpened(), 1);
  EXPECT_TRUE(table->file.isOpen());
  table->relate.Close();
}

TEST(PercentageTest, WholeNumbersRoundedDownAndCapped) {
  EXPECT_EQ(percentOf(1, 3), 33);
  EXPECT_EQ(percentOf(2, 3), 66);
  EXPECT_EQ(percentOf(3, 3), 100);
  EXPECT_EQ(percentOf(7, 3), 100);
  EXPECT_EQ(percentOf(5, 0), 0);
  EXPECT_EQ(percentOf(0, 5), 0);
  EXPECT_EQ(percentOf(99, 100), 99);
}

TEST(PercentageTest, ExactForSizesWhereTheProductWouldOverflow) {
  constexpr std::int64_t Largest = INT64_MAX;
  EXPECT_EQ(percentOf(Largest - 1, Largest), 99);
  EXPECT_EQ(percentOf(Largest / 2, Largest), 49);  // just under a half
  EXPECT_EQ(percentOf(Largest / 2 + 1, Largest), 50);
  // 3 * 10^17 bytes: 10^17 read is a third.
  EXPECT_EQ(percentOf(100'000'000'000'000'000, 300'000'000'000'000'000), 33);
  EXPECT_EQ(percentOf(Largest / 100 * 37 + 1, Largest / 100 * 100), 37);
}

}  // namespace
}  // namespace tallowmere::framework::testing
