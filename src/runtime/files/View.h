#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "runtime/files/File.h"

namespace tallowmere::runtime {

// The buffering hint a view was given; it never changes what is read.
struct BufferHint {
  int pageSize = 0;
  int pagesBehind = 0;
  int pagesAhead = 0;
  int timeOut = 0;
};

// A read cursor over one file, in the file's stored order. Put and delete act on the
// record the view read last. Order and filter expressions and the buffering hint are
// accepted but change neither which records are read nor their order.
class View {
 public:
  explicit View(File& file) : file_(file) {}

  File& primaryFile() { return file_; }

  int open();  // 52 when the view is already open
  int close();
  bool isOpen() const { return opened_; }
  int setOrder(std::string_view expression);
  int setFilter(std::string_view expression);
  const std::string& order() const { return order_; }
  const std::string& filter() const { return filter_; }
  void setBufferHint(int pageSize, int pagesBehind, int pagesAhead, int timeOut);
  const BufferHint& bufferHint() const { return hint_; }
  // Inline: a pass goes through these once a record.
  int setStart() { return file_.setStart(); }
  int next() { return file_.next(); }
  int put() { return file_.put(); }
  int remove() { return file_.remove(); }
  const RecordRead& lastRead() const { return file_.lastRead(); }

  std::size_t prefetchSize() const { return prefetch_; }
  void setPrefetchSize(std::size_t records) { prefetch_ = records; }

 private:
  File& file_;
  bool opened_ = false;
  std::string order_;
  std::string filter_;
  BufferHint hint_;
  std::size_t prefetch_ = 0;
};

}  // namespace tallowmere::runtime
