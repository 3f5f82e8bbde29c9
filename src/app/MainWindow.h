#pragma once

namespace tallowmere::app {

// The converter's window: the five options, the two file names, "Process" and "Close".
// Returns when the window closes; its response is left in GlobalResponse.
void Main();

}  // namespace tallowmere::app
