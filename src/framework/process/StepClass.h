#pragma once

#include <cstdint>
#include <string>

namespace tallowmere::framework {

// Estimates progress from the value of a key field instead of from record counts. The
// base estimator knows nothing about the values and answers half-way.
class StepClass {
 public:
  virtual ~StepClass() = default;
  virtual std::uint8_t GetPercentile(const std::string&) { return 50; }
  virtual std::string GetValue(std::uint8_t) { return {}; }
  virtual void Kill() {}
  virtual void SetLimit(const std::string&, const std::string&) {}
  virtual std::uint8_t SetLimitNeeded() { return 1; }

  std::uint8_t Controls = 0;
};

}  // namespace tallowmere::framework
