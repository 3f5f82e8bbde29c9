#pragma once

namespace tallowmere::testing {

// The most memory this process has held in RAM so far, in kilobytes.
long peakResidentKilobytes();

}  // namespace tallowmere::testing
