#pragma once

#include "framework/files/FileOpenServer.h"

namespace tallowmere::framework {

// Serves the one manager of a per-thread file: every open and close goes straight to the
// file.
class ThreadedFileOpenServer : public FileOpenServer {
 public:
  using FileOpenServer::FileOpenServer;

  std::int32_t OpenFile(std::uint8_t mode) override;
  std::int32_t CloseFile() override;
};

}  // namespace tallowmere::framework
