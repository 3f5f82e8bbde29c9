#include "app/GlobalObjects.h"

namespace tallowmere::app {

framework::INIClass INIMgr;
ConversionOptions LOC_Options;

}  // namespace tallowmere::app
