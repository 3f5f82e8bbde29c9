#pragma once

#include <string>
#include <string_view>

#include "runtime/files/TemporaryFile.h"

namespace tallowmere::runtime {

// The one way this program replaces a file whole: what is written goes to a temporary file
// beside the target, which is forced to the disk and put in the target's place in one step,
// so that a reader, a crash or a power loss finds either the old file or the whole new one,
// never a part of it. Until then the temporary goes with the object, or with the process
// however it ends.
class AtomicFile {
 public:
  // How the temporary is named: after the target with ".partial", where a run killed part
  // way leaves it and the next one removes it (the export's, which users know by that name),
  // or under a name no file has yet, so that no file of someone else's is ever touched.
  enum class Naming { Partial, Unused };

  AtomicFile(std::string target, Naming naming) : target_(std::move(target)), naming_(naming) {}

  // Makes the temporary, empty; 0 or an error code.
  int begin();
  const std::string& target() const { return target_; }
  const std::string& temporary() const { return temporary_.path(); }
  bool begun() const { return temporary_.held(); }
  // Puts the temporary, written and closed by the caller, in the target's place; 0 or an
  // error code, and the temporary is still held then.
  int commit();
  // Removes the temporary now.
  void discard() { temporary_.remove(); }
  // The temporary no longer goes: a caller that could not put it in place keeps it.
  void keepTemporary() { temporary_.keep(); }

  static std::string partialName(const std::string& target) { return target + ".partial"; }

 private:
  std::string unusedName() const;

  std::string target_;
  Naming naming_;
  TemporaryFile temporary_;
};

// Makes text the whole content of target, or leaves target as it was; 0 or an error code.
int writeWholeFile(const std::string& target, std::string_view text);

}  // namespace tallowmere::runtime
