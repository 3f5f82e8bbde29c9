#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/files/ErrorState.h"

namespace tallowmere::runtime {

enum class FileOperation { Open, Create, Close, Empty, Add, Put, Delete, Next, Count_ };

// Makes the n-th call of an operation on one file fail with a chosen error, so that tests
// reach every failure path without special files (tests run as root, where permissions
// do not refuse anything).
class FaultPlan {
 public:
  // The nth (1-based, counted from now) call of operation fails with code; for code 90
  // cause is the operating-system error reported as the driver's code and text.
  void failOn(FileOperation operation, int nth, int code, SystemError cause = {});
  // Every call of operation from the nth on fails.
  void failFrom(FileOperation operation, int nth, int code, SystemError cause = {});
  void clear();

  // Called by the file before each operation: true when this call must fail; the error
  // has then been left in lastError(). Inline, as it runs for every record of every pass.
  bool shouldFail(FileOperation operation) {
    const std::int64_t call = ++calls_[static_cast<std::size_t>(operation)];
    return !faults_.empty() && planned(operation, call);
  }

 private:
  struct Fault {
    FileOperation operation;
    std::int64_t nth;
    bool andAfter;
    int code;
    SystemError cause;
  };
  bool planned(FileOperation operation, std::int64_t call);

  std::vector<Fault> faults_;
  // 64 bits: a pass over a large table calls next and put many millions of times.
  std::array<std::int64_t, static_cast<std::size_t>(FileOperation::Count_)> calls_{};
};

}  // namespace tallowmere::runtime
