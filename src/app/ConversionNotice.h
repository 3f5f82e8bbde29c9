#pragma once

#include "txa/ConversionReport.h"

namespace tallowmere::app {

// The main window's one notice after a conversion, when there is anything to tell: first
// the passes the user cancelled and what the output holds, then the corrections that could
// not be applied everywhere.
void showConversionNotice(const txa::ConversionReport& report);

}  // namespace tallowmere::app
