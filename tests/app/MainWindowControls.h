#pragma once

// The main window's caption and the numbers of its controls, as the tests drive them.
namespace tallowmere::testing::MainControls {

inline constexpr const char* MainCaption = "C7 to C6 Tallowmere";
inline constexpr int ImportText = 2;
inline constexpr int ExportText = 4;
inline constexpr int CorrectAT = 7;
inline constexpr int Process = 8;
inline constexpr int Close = 9;
inline constexpr int BrowseImport = 10;
inline constexpr int BrowseExport = 11;
inline constexpr int Status = 12;
inline constexpr int ShowExport = 13;

}  // namespace tallowmere::testing::MainControls
