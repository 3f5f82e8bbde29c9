#pragma once

namespace tallowmere::fuzzing {

// A check that an input broke a property no input may break: it names the property after
// what the target checks ("line driver: a read took no bytes") and aborts, so that the
// fuzzer keeps the input. Each target says once what it checks.
class Broken {
 public:
  constexpr explicit Broken(const char* checked) : checked_(checked) {}
  [[noreturn]] void operator()(const char* property) const;

 private:
  const char* checked_;
};

}  // namespace tallowmere::fuzzing
