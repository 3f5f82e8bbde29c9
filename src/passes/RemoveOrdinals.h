#pragma once

namespace tallowmere::passes {

// Cuts every line of the table before its "#ORDINAL(" marker.
void RemoveOrdinals();

}  // namespace tallowmere::passes
