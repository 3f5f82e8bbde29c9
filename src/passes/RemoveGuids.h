#pragma once

namespace tallowmere::passes {

// Replaces each leading "!!> GUID('...')" by "!!> Ident(n)", n counting down from
// 4294967295 in table order.
void RemoveGuids();

}  // namespace tallowmere::passes
