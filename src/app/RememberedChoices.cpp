#include "app/RememberedChoices.h"

#include <array>
#include <cstdint>

#include "app/GlobalObjects.h"

namespace tallowmere::app {

namespace {

constexpr const char* Section = "Choices";

struct Remembered {
  const char* entry;
  std::uint8_t ConversionOptions::*option;
};

constexpr std::array<Remembered, 5> Corrections{{
    {"RemoveOrdinals", &ConversionOptions::RemoveOrdinals},
    {"CorrectHashField", &ConversionOptions::CorrectHashField},
    {"RemoveGuids", &ConversionOptions::RemoveGuids},
    {"CorrectWindowFont", &ConversionOptions::CorrectWindowFont},
    {"CorrectAT", &ConversionOptions::CorrectAT},
}};

}  // namespace

RememberedChoices fetchChoices() {
  RememberedChoices choices;
  for (const Remembered& correction : Corrections) {
    choices.options.*correction.option = INIMgr.TryFetch(Section, correction.entry) == "1" ? 1 : 0;
  }
  choices.folder = INIMgr.TryFetch(Section, "Folder");
  return choices;
}

void updateChoices(const RememberedChoices& choices) {
  for (const Remembered& correction : Corrections) {
    INIMgr.Update(Section, correction.entry, choices.options.*correction.option == 1 ? "1" : "0");
  }
  // A value longer than the settings file holds would come back cut, naming another folder.
  if (!choices.folder.empty() && choices.folder.size() <= framework::INIClass::ValueLimit) {
    INIMgr.Update(Section, "Folder", choices.folder);
  }
}

}  // namespace tallowmere::app
