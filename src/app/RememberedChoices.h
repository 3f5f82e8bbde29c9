#pragma once

#include <string>

#include "app/ConversionOptions.h"

namespace tallowmere::app {

// What the main window remembers between runs besides its place: the corrections ticked
// and the folder last used in a file dialog. They have a section of their own in the
// settings file, so a file written before them reads as it did, and they read as nothing
// to a program that knows nothing of them.
struct RememberedChoices {
  ConversionOptions options;
  std::string folder;  // empty: none remembered
};

RememberedChoices fetchChoices();
void updateChoices(const RememberedChoices& choices);

}  // namespace tallowmere::app
