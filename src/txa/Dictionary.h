#pragma once

#include <cstdint>
#include <string_view>

#include "framework/files/FileManager.h"
#include "framework/files/RelationManager.h"
#include "txa/HideAccess.h"
#include "txa/HideRelate.h"
#include "txa/TxaFiles.h"

namespace tallowmere::txa {

// This thread's managers of the three files, set by DctInit and cleared by DctKill.
namespace Access {
extern thread_local framework::FileManager* ImportFile;
extern thread_local framework::FileManager* TXAFile;
extern thread_local framework::FileManager* ExportFile;
}  // namespace Access

namespace Relate {
extern thread_local framework::RelationManager* ImportFile;
extern thread_local framework::RelationManager* TXAFile;
extern thread_local framework::RelationManager* ExportFile;
}  // namespace Relate

// The per-file constants of the managers; the lock and logout settings are the same for
// every file. The input file is never created: a missing one is a fatal error.
struct DictionaryFileSettings {
  static constexpr std::int16_t LockRecover = 10;
  static constexpr std::uint8_t UseLogout = 1;
};

struct ImportFileSettings : DictionaryFileSettings {
  static constexpr std::string_view Label = "ImportFile";
  static constexpr std::uint8_t Create = 0;
  static runtime::File& file() { return ImportFile(); }
  static framework::FileManager*& accessReference() { return Access::ImportFile; }
  static framework::RelationManager*& relateReference() { return Relate::ImportFile; }
};

struct TXAFileSettings : DictionaryFileSettings {
  static constexpr std::string_view Label = "TXAFile";
  static constexpr std::uint8_t Create = 1;
  static runtime::File& file() { return TXAFile(); }
  static framework::FileManager*& accessReference() { return Access::TXAFile; }
  static framework::RelationManager*& relateReference() { return Relate::TXAFile; }
};

struct ExportFileSettings : DictionaryFileSettings {
  static constexpr std::string_view Label = "ExportFile";
  static constexpr std::uint8_t Create = 1;
  static runtime::File& file() { return ExportFile(); }
  static framework::FileManager*& accessReference() { return Access::ExportFile; }
  static framework::RelationManager*& relateReference() { return Relate::ExportFile; }
};

// Creates this thread's six managers (ImportFile, TXAFile, ExportFile; file manager before
// relation manager) and initialises the relation managers in the same order.
void DctInit();
// Kills and destroys them in the same order and clears the references.
void DctKill();

}  // namespace tallowmere::txa
