#pragma once

namespace tallowmere::platform {

// Opens the null device on each of standard input, output and error that the program was
// started without. Otherwise the first file the program opens would take the lowest free
// descriptor and messages meant for standard error would be written into it. False when
// the null device cannot be opened; the program must not go on then.
bool openClosedStandardDescriptors();

}  // namespace tallowmere::platform
