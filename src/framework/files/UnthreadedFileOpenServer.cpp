#include "framework/files/UnthreadedFileOpenServer.h"

#include "runtime/files/ErrorState.h"

namespace tallowmere::framework {

std::int32_t UnthreadedFileOpenServer::OpenFile(std::uint8_t mode) {
  std::lock_guard lock(CSect);
  if (FileUsageCount == 0) {
    const int code = MyFile.open(mode);
    if (code != 0 && code != runtime::ErrorCode::FileAlreadyOpen) return code;
  }
  ++FileUsageCount;
  return 0;
}

std::int32_t UnthreadedFileOpenServer::CloseFile() {
  std::lock_guard lock(CSect);
  if (FileUsageCount == 1) {
    const int code = MyFile.close();
    if (code != 0) return code;
  }
  if (FileUsageCount > 0) --FileUsageCount;
  return 0;
}

}  // namespace tallowmere::framework
