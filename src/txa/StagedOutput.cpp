#include "txa/StagedOutput.h"

#include "runtime/files/FileSystem.h"

namespace tallowmere::txa {

std::string StagedOutput::temporaryName(const std::string& output) {
  return output + ".partial";
}

StagedOutput::~StagedOutput() {
  if (!staged()) return;
  runtime::fileSystem().remove(file_.name());
  unstage();
}

void StagedOutput::stage(bool outputWritable) {
  const std::string temporary = temporaryName(file_.name());
  runtime::FileSystem& files = runtime::fileSystem();
  files.remove(temporary);
  if (!outputWritable || !files.replaceable(file_.name()) || files.create(temporary) != 0) return;
  output_ = file_.name();
  file_.setName(temporary);
  removeAtExit_ = runtime::ExitHooks::add([temporary] { runtime::fileSystem().remove(temporary); });
}

int StagedOutput::commit() {
  if (!staged()) return 0;
  const int error = runtime::fileSystem().replace(file_.name(), output_);
  unstage();
  return error;
}

void StagedOutput::unstage() {
  runtime::ExitHooks::remove(removeAtExit_);
  file_.setName(output_);
  output_.clear();
}

}  // namespace tallowmere::txa
