#pragma once

#include <cstdint>

#include "framework/files/IFileOpenServer.h"
#include "runtime/files/File.h"

namespace tallowmere::framework {

// Common part of the open servers: the served file and how many managers are linked to it.
class FileOpenServer : public IFileOpenServer {
 public:
  explicit FileOpenServer(runtime::File& file) : MyFile(file) {}

  void Link() override { ++Usage; }
  std::int32_t Release() override { return Usage > 0 ? --Usage : 0; }

  runtime::File& MyFile;
  std::int32_t Usage = 1;
};

}  // namespace tallowmere::framework
