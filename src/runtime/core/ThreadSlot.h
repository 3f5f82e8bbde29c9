#pragma once

namespace tallowmere::runtime {

// One address per thread, kept in the operating system's own thread storage (Windows
// only, see PerThread.h). A thread that has not remembered one reads a null address.
class ThreadSlot {
 public:
  ThreadSlot();
  ~ThreadSlot();
  ThreadSlot(const ThreadSlot&) = delete;
  ThreadSlot& operator=(const ThreadSlot&) = delete;

  void* address() const;
  void remember(void* address) const;

 private:
  unsigned long index_;
};

}  // namespace tallowmere::runtime
