#pragma once

namespace tallowmere::platform {

// Leaves a failed call's errno in the runtime's error state as the file layer reports it:
// ENOENT as 2, EACCES / EPERM / EROFS as 5, anything else as 90 with the number and its
// text. Returns the runtime code.
int reportErrno(int errnum);

}  // namespace tallowmere::platform
