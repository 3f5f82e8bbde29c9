#include "txa/StagedOutput.h"

#include <vector>

#include "runtime/files/ErrorState.h"
#include "runtime/files/FileSystem.h"
#include "txa/AddOrHalt.h"

namespace tallowmere::txa {

namespace {

using runtime::AtomicFile;

// Copies all of from into to, which is emptied first; 0 or an error code.
int copyInto(runtime::OsFile& from, runtime::OsFile& to) {
  if (const int error = to.truncate(0); error != 0) return error;
  std::vector<char> block(1 << 20);
  for (std::int64_t at = 0;;) {
    std::size_t got = 0;
    if (const int error = from.readAt(at, block.data(), block.size(), got); error != 0) {
      return error;
    }
    if (got == 0) return to.sync();
    if (const int error = to.writeAt(at, block.data(), got); error != 0) return error;
    at += static_cast<std::int64_t>(got);
  }
}

}  // namespace

StagedOutput::~StagedOutput() {
  if (staged_) file_.setName(staged_->target());
}

void StagedOutput::stage(bool outputWritable) {
  runtime::FileSystem& files = runtime::fileSystem();
  AtomicFile staged(file_.name(), AtomicFile::Naming::Partial);
  if (!outputWritable || !files.replaceable(file_.name()) || staged.begin() != 0) {
    files.remove(AtomicFile::partialName(file_.name()));
    return;
  }
  file_.setName(staged.temporary());
  staged_.emplace(std::move(staged));
}

int StagedOutput::commit() {
  if (!staged_) return 0;
  file_.setName(staged_->target());
  if (staged_->commit() != 0) {
    if (const int error = writeInPlace(); error != 0) haltKeepingLines(error);
  }
  staged_.reset();
  return 0;
}

// The export as it has always been written: into the output itself, which another program
// may hold open so that it can be written but not replaced.
int StagedOutput::writeInPlace() {
  runtime::FileSystem& files = runtime::fileSystem();
  int error = 0;
  const auto from = files.open(staged_->temporary(), runtime::FileAccess::Read,
                               runtime::FileSharing::DenyNone, error);
  if (!from) return error;
  const auto to = files.open(staged_->target(), runtime::FileAccess::Write,
                             runtime::FileSharing::DenyWrite, error);
  if (!to) return error;
  return copyInto(*from, *to);
}

// The converted lines are whole in the temporary: they go under a name that no later run
// removes, and the user is told where.
void StagedOutput::haltKeepingLines(int error) {
  const runtime::ErrorState failure = runtime::lastError();
  const std::string output = staged_->target();
  const std::string kept = output + ".converted";
  std::string where = staged_->temporary();
  if (runtime::fileSystem().replace(where, kept) == 0) where = kept;
  staged_->keepTemporary();
  runtime::restoreError(failure);
  haltOnError(error, output + " could be neither replaced nor written",
              "; the converted lines are kept in " + where);
}

}  // namespace tallowmere::txa
