#pragma once

#include <string>

namespace tallowmere::runtime {

// What a file dialog asks the user for. Its list shows TXA files ("*.txa") first and all
// files second, as the user switches.
struct FileChoice {
  enum class Purpose {
    Open,  // existing files to read
    Save,  // a file to write; replacing an existing one is confirmed first
  };
  Purpose purpose = Purpose::Open;
  std::string title;
  std::string folder;    // where the dialog starts; empty: the working folder
  std::string name;      // the name it suggests
  bool several = false;  // Open: more than one file may be chosen
};

}  // namespace tallowmere::runtime
