#include "support/PeakMemory.h"

#ifdef _WIN32
#include <windows.h>
// Needs the types <windows.h> declares.
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace tallowmere::testing {

long peakResidentKilobytes() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
#endif
}

}  // namespace tallowmere::testing
