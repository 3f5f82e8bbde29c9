#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/core/Levels.h"
#include "framework/files/IFileOpenServer.h"
#include "framework/files/SavedRecords.h"
#include "runtime/files/File.h"

namespace tallowmere::framework {

class ErrorClass;

// How a caller is about to use a file (the argument of UseFile).
namespace UseType {
inline constexpr std::uint8_t Uses = 2;           // read or write; noted in the usage queue
inline constexpr std::uint8_t NotNoted = 4;       // use without a usage note
inline constexpr std::uint8_t Initialise = 5;     // complete the manager's state
inline constexpr std::uint8_t SavedBelow = 3;     // use types below this save the file state
}  // namespace UseType

// Owns the physical opening and closing of one file: opens lazily and with counts, retries
// refused opens, falls back to read-only, creates missing files and turns failures into
// messages through the error reporter. Record operations are plain file statements in this
// system, so the manager's insert/update/fetch/next family is not provided.
class FileManager {
 public:
  FileManager() = default;
  FileManager(const FileManager&) = delete;
  FileManager& operator=(const FileManager&) = delete;
  // Kills the manager if that has not happened; a file still counted open at this point is
  // a programming error.
  virtual ~FileManager();

  // Dictionary start: lazy, count 0, registered with this thread's FilesManager. File,
  // Buffer, FileNameValue and Errors must be set before.
  virtual void Init();
  // The full initialisation, reached through UseFile(UseType::Initialise).
  virtual void Init(runtime::File& file, ErrorClass& errors);
  virtual Level Kill();

  virtual Level Open();
  virtual Level TryOpen();
  virtual Level Close();
  virtual Level UseFile(std::uint8_t useType);

  virtual std::uint16_t SaveBuffer();
  virtual void RestoreBuffer(std::uint16_t& id, bool restore);
  std::uint16_t SaveFile();
  void RestoreFile(std::uint16_t& id, bool restore);

  virtual Level Throw(int id);
  virtual Level Throw();
  virtual Level ThrowMessage(int id, std::string_view text);
  void SetError(int id);
  void SetErrors(ErrorClass& errors) { Errors = &errors; }

  std::string GetName() const;
  std::int32_t GetOpened() const { return Opened; }
  bool IsOpened() const { return Initialized && Opened > 0; }
  bool GetEOF() const { return AtEOF; }

  Level OpenServer(bool report, bool force);
  Level OpenFile(bool report);

  runtime::LineText* Buffer = nullptr;
  std::uint8_t Create = 0;
  ErrorClass* Errors = nullptr;
  runtime::File* File = nullptr;
  std::string FileNameValue;
  std::uint8_t InUseFile = 0;
  std::uint8_t InClose = 0;
  std::uint8_t Used = 0;
  std::int32_t Opened = 0;
  std::uint8_t AtEOF = 0;
  std::uint8_t AutoIncDone = 0;
  std::int32_t LastError = 0;
  std::uint8_t LazyOpen = 0;
  std::int16_t LockRecover = 0;
  std::uint8_t OpenMode = 0;
  std::uint8_t OpenModeOverridden = 0;
  std::uint8_t PrimaryKey = 0;
  std::uint8_t SkipHeldRecords = 0;
  std::uint8_t CleanedUp = 0;
  std::uint8_t Initialized = 0;
  std::uint8_t Killed = 0;
  std::shared_ptr<IFileOpenServer> Opener;

 protected:
  // Rebuilds the keys of a file whose key file the driver found invalid. The files of this
  // system carry no keys, so there is nothing to rebuild.
  virtual bool RebuildKeys() { return true; }

 private:
  // What a refused open leads to: nothing when the open is to be tried again.
  std::optional<Level> answerRefusal(int code, bool report);
  Level anError(bool report);
  Level hardError(bool report);
  ErrorClass& reporter();
  void CleanUp();

  SavedRecords Buffers;
  SavedRecords Saved;
};

}  // namespace tallowmere::framework
