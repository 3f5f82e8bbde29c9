#include "runtime/files/MemoryDriver.h"

#include <new>

#include "runtime/files/ErrorState.h"

namespace tallowmere::runtime {

int MemoryDriver::open(const std::string&, unsigned char mode) {
  if (open_) return setError(ErrorCode::FileAlreadyOpen);
  if (!exists_) return setError(ErrorCode::FileNotFound);
  open_ = true;
  writable_ = (mode & OpenMode::AccessMask) != OpenMode::ReadOnly;
  resetScan();
  return ErrorCode::NoError;
}

int MemoryDriver::create(const std::string&) {
  if (open_) return setError(ErrorCode::FileAlreadyOpen);
  table_.clear();
  exists_ = true;
  return ErrorCode::NoError;
}

int MemoryDriver::close() {
  open_ = false;
  resetScan();
  return ErrorCode::NoError;
}

void MemoryDriver::resetScan() {
  current_ = LineTable::None;
  previous_ = LineTable::None;
  lastRead_ = {};
}

int MemoryDriver::current() const {
  if (current_ == LineTable::None) return setError(ErrorCode::RecordNotAvailable);
  return ErrorCode::NoError;
}

template <typename Operation>
int MemoryDriver::storing(Operation&& operation) {
  try {
    if (operation()) return ErrorCode::NoError;
  } catch (const std::bad_alloc&) {
    // An allocation that throws fails the same way as one the table refuses.
  }
  // The table is the program's own storage, so the shortage has no system error number.
  return setError(ErrorCode::OperatingSystemError, SystemError{0, "Not enough memory"});
}

int MemoryDriver::empty() {
  if (const int error = usable(true); error != ErrorCode::NoError) return error;
  table_.clear();
  resetScan();
  return ErrorCode::NoError;
}

int MemoryDriver::add(const LineText& record) {
  if (const int error = usable(true); error != ErrorCode::NoError) return error;
  LineTable::Index added = LineTable::None;
  return storing([&] { return table_.append(record.clipped(), added); });
}

int MemoryDriver::setStart() {
  if (const int error = usable(false); error != ErrorCode::NoError) return error;
  resetScan();
  return ErrorCode::NoError;
}

int MemoryDriver::next(LineText& record) {
  if (const int error = usable(false); error != ErrorCode::NoError) return error;
  if (current_ != LineTable::None) previous_ = current_;
  current_ = LineTable::None;
  const LineTable::Index line =
      previous_ == LineTable::None ? table_.first() : table_.following(previous_);
  // At the end the scan position stays behind the last line, where lines put back go.
  if (line == LineTable::None) return setError(ErrorCode::RecordNotAvailable);
  current_ = line;
  const std::string_view text = table_.text(line);
  record.assign(text);
  lastRead_.bytes = text.size();
  return ErrorCode::NoError;
}

int MemoryDriver::put(const LineText& record) {
  if (const int error = usable(true); error != ErrorCode::NoError) return error;
  if (const int error = current(); error != ErrorCode::NoError) return error;
  return storing([&] { return table_.rewrite(current_, record.clipped()); });
}

int MemoryDriver::remove() {
  if (const int error = usable(true); error != ErrorCode::NoError) return error;
  if (const int error = current(); error != ErrorCode::NoError) return error;
  table_.remove(previous_, current_);
  current_ = LineTable::None;
  return ErrorCode::NoError;
}

int MemoryDriver::insertAtScan(const LineText& record) {
  if (const int error = usable(true); error != ErrorCode::NoError) return error;
  LineTable::Index inserted = LineTable::None;
  const int error =
      storing([&] { return table_.insertAfter(previous_, record.clipped(), inserted); });
  if (error == ErrorCode::NoError) previous_ = inserted;
  return error;
}

}  // namespace tallowmere::runtime
