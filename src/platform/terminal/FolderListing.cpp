#include "platform/terminal/FolderListing.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <tuple>

namespace tallowmere::platform {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view TxaExtension = ".txa";

std::string folded(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool listedBefore(const FolderEntry& one, const FolderEntry& other) {
  const bool oneUp = one.name == "..", otherUp = other.name == "..";
  return std::forward_as_tuple(!oneUp, !one.folder, folded(one.name), one.name) <
         std::forward_as_tuple(!otherUp, !other.folder, folded(other.name), other.name);
}

std::optional<FolderEntry> entryFor(const fs::directory_entry& found, FileFilter filter,
                                    bool hidden) {
  FolderEntry entry{found.path().filename().string(), false, std::nullopt};
  if (!hidden && entry.name.starts_with('.')) return std::nullopt;
  std::error_code error;
  entry.folder = found.is_directory(error);
  if (entry.folder) return entry;
  if (filter == FileFilter::Txa && !isTxaName(entry.name)) return std::nullopt;
  const std::uintmax_t size = found.file_size(error);
  if (!error) entry.size = size;
  return entry;
}

std::string problemReading(const std::error_code& error) {
  return "This folder cannot be read: " + error.message();
}

}  // namespace

bool isTxaName(std::string_view name) {
  return name.size() > TxaExtension.size() &&
         folded(name.substr(name.size() - TxaExtension.size())) == TxaExtension;
}

FolderListing listFolder(const fs::path& folder, FileFilter filter, bool hidden) {
  FolderListing listing;
  if (folder.has_relative_path()) listing.entries.push_back({"..", true, std::nullopt});
  std::error_code error;
  fs::directory_iterator found(folder, error);
  for (; !error && found != fs::directory_iterator(); found.increment(error)) {
    if (auto entry = entryFor(*found, filter, hidden)) listing.entries.push_back(std::move(*entry));
  }
  if (error) listing.problem = problemReading(error);
  std::sort(listing.entries.begin(), listing.entries.end(), listedBefore);
  return listing;
}

}  // namespace tallowmere::platform
