#pragma once

#include "app/ConversionOptions.h"
#include "framework/settings/INIClass.h"

namespace tallowmere::app {

// The settings file "Tallowmere.INI".
extern framework::INIClass INIMgr;

// The main window's five option values; all clear when the process starts and never
// stored in the settings file.
extern ConversionOptions LOC_Options;

}  // namespace tallowmere::app
