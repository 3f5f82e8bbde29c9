#pragma once

#include <mutex>

#include "framework/files/FileOpenServer.h"

namespace tallowmere::framework {

// Serves every manager of a process-wide file: the file is opened by the first open and
// closed by the last close, whichever thread asks.
class UnthreadedFileOpenServer : public FileOpenServer {
 public:
  using FileOpenServer::FileOpenServer;

  std::int32_t OpenFile(std::uint8_t mode) override;
  std::int32_t CloseFile() override;

  std::int32_t FileUsageCount = 0;

 private:
  std::mutex CSect;
};

}  // namespace tallowmere::framework
