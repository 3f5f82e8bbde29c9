#include "framework/files/FileManager.h"

#include <algorithm>
#include <optional>

#include "framework/core/Assert.h"
#include "framework/errors/ErrorClass.h"
#include "framework/files/CreateFileOpenServer.h"
#include "framework/files/FilesManager.h"
#include "runtime/files/ErrorState.h"
#include "runtime/text/FixedText.h"

namespace tallowmere::framework {

namespace {

// Ids of the messages a file manager raises.
namespace Message {
inline constexpr int AccessDenied = 2;
inline constexpr int CloseError = 6;
inline constexpr int CreateError = 12;
inline constexpr int AccessError = 26;
inline constexpr int KeyNotBuilt = 29;
inline constexpr int InvalidKey = 30;
inline constexpr int UsageError = 42;
}  // namespace Message

inline constexpr std::uint8_t DefaultOpenMode =
    runtime::OpenMode::ReadWrite | runtime::OpenMode::DenyNone;
inline constexpr std::uint8_t SharingBits = 0xF0;
inline constexpr int OpenPasses = 2;

}  // namespace

FileManager::~FileManager() {
  if (!Killed) FileManager::Kill();
  if (Opened > 0) {
    assertionFailure("The file is still open. Open Counter is " +
                     runtime::decimal(static_cast<std::uint64_t>(Opened)) +
                     " on File: " + GetName());
  }
}

void FileManager::Init() {
  frameworkAssert(File != nullptr, "FileManager initialised without its file");
  Opened = 0;
  LazyOpen = 1;
  Killed = 0;
  filesManager().AddFileMapping(*this);
}

void FileManager::Init(runtime::File& file, ErrorClass& errors) {
  SetErrors(errors);
  File = &file;
  if (Buffer == nullptr) Buffer = &file.record();
  Opener = CreateFileOpenServer(file);
  Buffers.clear();
  Saved.clear();
  SkipHeldRecords = 0;
  if (!OpenModeOverridden) OpenMode = DefaultOpenMode;
  Create = 1;
  LockRecover = 10;
  PrimaryKey = 0;
  FileNameValue = file.name();
  CleanedUp = 0;
  Initialized = 1;
  Killed = 0;
}

Level FileManager::Kill() {
  if (Killed) return Level::Notify;
  if (Initialized) CleanUp();
  // A manager that was never used still holds its registration, and the registry must not
  // keep pointing at a manager that is about to go.
  if (File != nullptr) filesManager().unregister(*this);
  Killed = 1;
  Initialized = 0;
  return Level::Benign;
}

void FileManager::CleanUp() {
  if (CleanedUp) return;
  if (Opener) {
    Opener->Release();
    Opener.reset();
  }
  Buffers.clear();
  Saved.clear();
  CleanedUp = 1;
}

Level FileManager::Open() {
  return OpenServer(true, false);
}

Level FileManager::TryOpen() {
  return OpenServer(false, false);
}

Level FileManager::OpenServer(bool report, bool force) {
  filesManager().NoteOpen(*this);
  if (force || (!LazyOpen && Opened == 0)) {
    const Level level = OpenFile(report);
    if (level != Level::Benign) return level;
  }
  ++Opened;
  return Level::Benign;
}

Level FileManager::OpenFile(bool report) {
  if (UseFile(UseType::Initialise) != Level::Benign) return hardError(report);
  runtime::ErrorState lastRefusal;
  for (int pass = 0; pass < OpenPasses; ++pass) {
    int code = Opener->OpenFile(OpenMode);
    if (code == runtime::ErrorCode::AccessDenied) {
      File->send("Recover=" + runtime::decimal(static_cast<std::uint64_t>(
                                  std::max<std::int16_t>(LockRecover, 0))));
      code = Opener->OpenFile(OpenMode);
    }
    if (code == 0) {
      Used = 1;
      AtEOF = 0;
      AutoIncDone = 0;
      return Level::Benign;
    }
    lastRefusal = runtime::lastError();
    if (const std::optional<Level> failed = answerRefusal(code, report)) return *failed;
  }
  // What came after the last refusal (a creation, a notice) succeeded; the message must
  // name the refusal, not an empty error.
  runtime::restoreError(lastRefusal);
  return hardError(report);
}

std::optional<Level> FileManager::answerRefusal(int code, bool report) {
  switch (code) {
    case runtime::ErrorCode::AccessDenied:
      if ((OpenMode & runtime::OpenMode::AccessMask) == 0) break;
      OpenMode &= SharingBits;
      Throw(Message::AccessDenied);  // the user hears of it even from TryOpen
      return std::nullopt;
    case runtime::ErrorCode::FileNotFound:
      if (!Create) break;
      if (File->create() != 0) {
        SetError(Message::CreateError);
        return anError(report);
      }
      return std::nullopt;
    case runtime::ErrorCode::InvalidKeyFile:
      SetError(Message::InvalidKey);
      if (!report) return Level::Notify;
      Throw();
      if (!RebuildKeys()) return Throw(Message::KeyNotBuilt);
      return std::nullopt;
    default:
      break;
  }
  return hardError(report);
}

Level FileManager::hardError(bool report) {
  SetError(Message::AccessError);
  return anError(report);
}

Level FileManager::anError(bool report) {
  return report ? Throw() : Level::Notify;
}

Level FileManager::Close() {
  ++InClose;
  filesManager().NoteClose(*this);
  Level result = Level::Benign;
  if (Opened > 0 && --Opened == 0) {
    // The last buffered lines reach the disk here; losing them quietly would pass a
    // truncated file off as a good one.
    if (Initialized && Opener->CloseFile() != 0) result = Throw(Message::CloseError);
    Used = 0;
  }
  --InClose;
  return result;
}

Level FileManager::UseFile(std::uint8_t useType) {
  Level result = Level::Benign;
  InUseFile = 1;
  if (useType == UseType::Initialise) {
    if (LazyOpen && Opened < 1) {
      if (!Used) {
        // Counted open while the forced open runs, so that its own UseFile does not open
        // once more; a successful open leaves the count at 1.
        ++Opened;
        result = OpenServer(true, true);
        --Opened;
      } else {
        result = OpenServer(true, false);
      }
    }
  } else {
    if (useType != UseType::NotNoted) filesManager().NoteUsage(*this, useType);
    if (LazyOpen && !Used) {
      if (Opened < 1) {
        InUseFile = 0;
        return Throw(Message::UsageError);
      }
      std::uint16_t saved = SaveBuffer();
      result = OpenFile(true);
      RestoreBuffer(saved, true);
    }
  }
  InUseFile = 0;
  return result;
}

std::uint16_t FileManager::SaveBuffer() {
  return Buffers.save(*Buffer);
}

void FileManager::RestoreBuffer(std::uint16_t& id, bool restore) {
  Buffers.take(id, *Buffer, restore);
}

std::uint16_t FileManager::SaveFile() {
  return Saved.save(*Buffer);
}

void FileManager::RestoreFile(std::uint16_t& id, bool restore) {
  Saved.take(id, *Buffer, restore);
}

Level FileManager::Throw(int id) {
  SetError(id);
  return Throw();
}

Level FileManager::Throw() {
  reporter().SetFile(GetName());
  return reporter().TakeError(LastError);
}

Level FileManager::ThrowMessage(int id, std::string_view text) {
  reporter().SetFile(GetName());
  return reporter().ThrowMessage(id, text);
}

void FileManager::SetError(int id) {
  reporter().SetErrors();
  LastError = id;
}

ErrorClass& FileManager::reporter() {
  frameworkAssert(Errors != nullptr, "FileManager used without an error reporter");
  return *Errors;
}

std::string FileManager::GetName() const {
  return std::string(runtime::clip(FileNameValue));
}

}  // namespace tallowmere::framework
