#include "framework/files/ThreadedFileOpenServer.h"

#include "runtime/files/ErrorState.h"

namespace tallowmere::framework {

std::int32_t ThreadedFileOpenServer::OpenFile(std::uint8_t mode) {
  const int code = MyFile.open(mode);
  // A file that is open already is as good as one opened now.
  return code == runtime::ErrorCode::FileAlreadyOpen ? 0 : code;
}

std::int32_t ThreadedFileOpenServer::CloseFile() { return MyFile.close(); }

}  // namespace tallowmere::framework
