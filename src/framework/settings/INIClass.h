#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/settings/WindowInfo.h"

namespace tallowmere::runtime {
class Window;
}

namespace tallowmere::framework {

// One record of the settings object's own bookkeeping list.
struct SectorRecord {
  std::string Family;
  std::string Item;
  std::string Type;
};

// The settings file: window placements and the "sectors" bookkeeping list, in the
// platform's private-profile format. Only the private-profile back end exists here.
class INIClass {
 public:
  static constexpr std::int32_t PrivateProfileFile = 0;
  static constexpr std::string_view SectorSection = "__Dont_Touch_Me__";
  static constexpr std::string_view SectorEntry = "Sectors";
  // Values come through a buffer of 1024 bytes, terminator included.
  static constexpr std::size_t ValueLimit = 1023;
  static constexpr std::size_t QueueValueLimit = 4999;

  INIClass() = default;
  INIClass(const INIClass&) = delete;
  INIClass& operator=(const INIClass&) = delete;
  virtual ~INIClass();

  void Init(std::string_view fileName, std::int32_t nvType = PrivateProfileFile,
            std::int32_t extraData = 0);
  // Writes the bookkeeping list back and frees it.
  void Kill();

  virtual std::string Fetch(std::string_view section, std::string_view entry,
                            std::string_view defaultValue, std::string_view fileName);
  virtual void Update(std::string_view section, std::string_view entry, std::string_view value,
                      std::string_view fileName);
  // The argument-less hooks a derived settings object may use; they do nothing here.
  virtual void Fetch() {}
  virtual void Update() {}

  std::string TryFetch(std::string_view section, std::string_view entry);
  // The n-th (from 1) comma-separated part of the entry; a missing part reads as empty.
  std::string FetchField(std::string_view section, std::string_view entry, int n);
  void Update(std::string_view section, std::string_view entry, std::string_view value);
  void Remove(std::string_view section, std::string_view entry);

  void FetchQueue(std::string_view section, std::string_view entry,
                  std::vector<SectorRecord>& queue);
  void UpdateQueue(std::string_view section, std::string_view entry,
                   const std::vector<SectorRecord>& queue);

  // Restores and stores a window's placement under the procedure's name.
  void Fetch(std::string_view procedureName, runtime::Window& window);
  void Update(std::string_view procedureName, const runtime::Window& window);
  WindowInfo FetchWindowInfo(std::string_view procedureName);
  void UpdateWindowInfo(std::string_view procedureName, const WindowInfo& info);

  const std::string& GetFileName() const { return FileName; }
  const std::vector<SectorRecord>* GetSectors() const {
    return Sectors ? &*Sectors : nullptr;
  }

 private:
  std::int32_t fetchNumber(std::string_view section, std::string_view entry);
  void updateNumber(std::string_view section, std::string_view entry, std::int32_t value);

  std::string FileName;
  std::optional<std::vector<SectorRecord>> Sectors;
  std::int32_t NVType = PrivateProfileFile;
  std::int32_t ExtraData = 0;
  std::recursive_mutex CritSect;
};

}  // namespace tallowmere::framework
