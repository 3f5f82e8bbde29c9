#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/files/ErrorState.h"
#include "runtime/files/RecordRead.h"
#include "runtime/text/FixedText.h"

namespace tallowmere::runtime {

// Open modes are one byte: the low nibble is the access (0 read, 1 write, 2 read/write),
// the high nibble the sharing (1 deny all, 2 deny write, 3 deny read, 0 or 4 deny none).
namespace OpenMode {
inline constexpr unsigned char ReadOnly = 0x00;
inline constexpr unsigned char ReadWrite = 0x02;
inline constexpr unsigned char DenyAll = 0x10;
inline constexpr unsigned char DenyWrite = 0x20;
inline constexpr unsigned char DenyRead = 0x30;
inline constexpr unsigned char DenyNone = 0x40;
inline constexpr unsigned char AccessMask = 0x03;
inline constexpr unsigned char SharingMask = 0xF0;
}  // namespace OpenMode

// The storage behind one file declaration. Operations return 0 or a runtime error code and
// leave the outcome in lastError(). A driver keeps one scan cursor: the record last read by
// next() is the "current record" that put() and remove() act on.
class FileDriver {
 public:
  virtual ~FileDriver() = default;

  virtual std::string_view driverName() const = 0;

  virtual int open(const std::string& path, unsigned char mode) = 0;
  virtual int create(const std::string& path) = 0;
  virtual int close() = 0;
  virtual bool isOpen() const = 0;
  virtual int empty() = 0;
  virtual int add(const LineText& record) = 0;
  // Writes buffered records out and has the system keep them; 0 or the error this met.
  // A driver that buffers nothing has nothing to do.
  virtual int flush() { return 0; }

  // Positions before the first record.
  virtual int setStart() = 0;
  // Reads the next record into record; 33 at the end (record keeps its content).
  virtual int next(LineText& record) = 0;
  // What the last successful next() took from the file.
  const RecordRead& lastRead() const { return lastRead_; }
  virtual int put(const LineText& record) = 0;
  virtual int remove() = 0;
  // Puts a record back at the scan position: directly before the current record, or where
  // the current record stood when it was removed, or at the end once the scan has passed
  // the last record. The scan then goes on as before; the new record is not read by it.
  virtual int insertAtScan(const LineText& record) = 0;

  // Number of records, 0 when the driver cannot tell.
  virtual std::int64_t records() = 0;
  virtual std::int64_t bytes() = 0;
  // Driver options such as "QUICKSCAN=on"; unknown options are ignored, and a driver that
  // has none ignores them all.
  virtual void send(std::string_view /*option*/) {}

 protected:
  // 0 when a record operation may go ahead: 37 when the driver is not open, 5 when it must
  // write but was opened for reading.
  int usable(bool forWriting) const {
    if (!isOpen()) return setError(ErrorCode::FileNotOpen);
    if (forWriting && !writable_) return setError(ErrorCode::AccessDenied);
    return ErrorCode::NoError;
  }

  // Kept by the drivers: whether the open allows writing, and what lastRead() says.
  bool writable_ = false;
  RecordRead lastRead_;
};

}  // namespace tallowmere::runtime
