#pragma once

#include "runtime/files/FileDriver.h"
#include "runtime/files/LineTable.h"

namespace tallowmere::runtime {

// The in-memory line table. The table belongs to the driver, not to an open, so closing
// and reopening finds the same lines in the same order; only empty() and create() clear
// it. The table exists once it was created: before that an open fails with 2, as it would
// for a file on disk. Options such as "QUICKSCAN=" change nothing.
//
// The scan cursor remembers the line before the current one, so deleting the current line
// and putting lines back at the scan position cost O(1) whatever the table's size.
class MemoryDriver : public FileDriver {
 public:
  std::string_view driverName() const override { return "MEMORY"; }

  int open(const std::string& path, unsigned char mode) override;
  int create(const std::string& path) override;
  int close() override;
  bool isOpen() const override { return open_; }
  int empty() override;
  int add(const LineText& record) override;

  int setStart() override;
  int next(LineText& record) override;
  int put(const LineText& record) override;
  int remove() override;
  int insertAtScan(const LineText& record) override;

  std::int64_t records() override { return static_cast<std::int64_t>(table_.size()); }
  std::int64_t bytes() override { return static_cast<std::int64_t>(table_.textBytes()); }

 private:
  int current() const;
  void resetScan();
  // Runs a table operation that stores text, mapping its failures to error codes.
  template <typename Operation>
  int storing(Operation&& operation);

  LineTable table_;
  bool exists_ = false;
  bool open_ = false;
  // The line the scan read last (None once it was removed, or before the first read) and
  // the line that stands before the scan position.
  LineTable::Index current_ = LineTable::None;
  LineTable::Index previous_ = LineTable::None;
};

}  // namespace tallowmere::runtime
