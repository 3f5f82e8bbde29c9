#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/common/StreamFile.h"
#include "support/TempDir.h"

namespace tallowmere::platform {
namespace {

// Standard output that cannot take the converted file says why in the system's words (a
// full disk), where a stream library would only know that something failed.
TEST(StreamFile, StandardOutputThatCannotTakeTheOutputSaysWhy) {
  const StreamFile converted;
  testing::writeFile(converted.path(), "converted\r\n");
  std::fflush(stdout);
  const int kept = ::dup(STDOUT_FILENO);
  const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(full, 0);
  ::dup2(full, STDOUT_FILENO);
  const std::string problem = converted.giveStandardOutput();
  ::dup2(kept, STDOUT_FILENO);
  ::close(full);
  ::close(kept);
  EXPECT_EQ(problem, std::strerror(ENOSPC));
}

}  // namespace
}  // namespace tallowmere::platform
