#include "runtime/files/FaultPlan.h"

#include <algorithm>
#include <utility>

#include "runtime/files/ErrorState.h"

namespace tallowmere::runtime {

namespace {
std::size_t slot(FileOperation operation) { return static_cast<std::size_t>(operation); }
}  // namespace

void FaultPlan::failOn(FileOperation operation, int nth, int code, SystemError cause) {
  faults_.push_back({operation, calls_[slot(operation)] + nth, false, code, std::move(cause)});
}

void FaultPlan::failFrom(FileOperation operation, int nth, int code, SystemError cause) {
  faults_.push_back({operation, calls_[slot(operation)] + nth, true, code, std::move(cause)});
}

void FaultPlan::clear() { faults_.clear(); }

bool FaultPlan::planned(FileOperation operation, std::int64_t call) {
  const auto hit = std::find_if(faults_.begin(), faults_.end(), [&](const Fault& fault) {
    return fault.operation == operation &&
           (fault.andAfter ? call >= fault.nth : call == fault.nth);
  });
  if (hit == faults_.end()) return false;
  setError(hit->code, hit->cause);
  return true;
}

}  // namespace tallowmere::runtime
