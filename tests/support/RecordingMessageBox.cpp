#include "support/RecordingMessageBox.h"

#include <cstdio>

namespace tallowmere::testing {

int RecordingMessageBox::showMessageBox(const runtime::MessageBoxRequest& request) {
  shown_.push_back(request);
  std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
  if (answers_.empty()) return request.defaultButton;
  const int button = answers_.front();
  answers_.pop_front();
  return button;
}

}  // namespace tallowmere::testing
