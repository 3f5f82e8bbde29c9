#include "runtime/files/View.h"

#include "runtime/files/ErrorState.h"

namespace tallowmere::runtime {

int View::open() {
  if (opened_) return setError(ErrorCode::FileAlreadyOpen);
  clearError();
  opened_ = true;
  return ErrorCode::NoError;
}

int View::close() {
  clearError();
  opened_ = false;
  return ErrorCode::NoError;
}

int View::setOrder(std::string_view expression) {
  clearError();
  order_ = expression;
  return ErrorCode::NoError;
}

int View::setFilter(std::string_view expression) {
  clearError();
  filter_ = expression;
  return ErrorCode::NoError;
}

void View::setBufferHint(int pageSize, int pagesBehind, int pagesAhead, int timeOut) {
  hint_ = {pageSize, pagesBehind, pagesAhead, timeOut};
}

}  // namespace tallowmere::runtime
