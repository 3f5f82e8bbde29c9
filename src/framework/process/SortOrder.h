#pragma once

#include <string>
#include <vector>

namespace tallowmere::framework {

// One way of reading a view. The files of this system have no keys, so an order never has
// a key, a free element or an order expression of its own; the expressions are kept for
// orders set explicitly.
struct SortOrder {
  std::string OrderExpression;           // empty: the file's stored order
  std::vector<std::string> RangeLimits;  // conditions, joined with the filters
  std::vector<std::string> Filters;
  std::string FreeElement;
};

}  // namespace tallowmere::framework
