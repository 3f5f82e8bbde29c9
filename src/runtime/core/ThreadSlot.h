#pragma once

namespace tallowmere::runtime {

// One address per thread, kept in the operating system's own thread storage (Windows
// only, see PerThread.h). A thread that has not remembered one reads a null address.
// The slot is never given back: on Windows the thread-locals outlive the static objects
// at the end of the program and still reach their slots from their destructors, and a
// slot given back could already serve someone else. The system frees it with the process.
class ThreadSlot {
 public:
  ThreadSlot();
  ThreadSlot(const ThreadSlot&) = delete;
  ThreadSlot& operator=(const ThreadSlot&) = delete;

  void* address() const;
  void remember(void* address) const;

 private:
  unsigned long index_;
};

}  // namespace tallowmere::runtime
