#include "runtime/files/File.h"

#include "runtime/files/ErrorState.h"

namespace tallowmere::runtime {

File::File(std::string label, std::string externalName, std::unique_ptr<FileDriver> driver)
    : label_(std::move(label)), name_(std::move(externalName)), driver_(std::move(driver)) {}

File::~File() {
  if (driver_->isOpen()) driver_->close();
}

template <typename Operation>
int File::guarded(FileOperation operation, Operation&& run) {
  if (faults_.shouldFail(operation)) return lastError().code;
  clearError();
  return run();
}

int File::open(unsigned char mode) {
  return guarded(FileOperation::Open, [&] { return driver_->open(name_, mode); });
}

int File::create() {
  return guarded(FileOperation::Create, [&] { return driver_->create(name_); });
}

int File::close() {
  return guarded(FileOperation::Close, [&] { return driver_->close(); });
}

bool File::isOpen() const { return driver_->isOpen(); }

int File::empty() {
  return guarded(FileOperation::Empty, [&] { return driver_->empty(); });
}

int File::add() {
  return guarded(FileOperation::Add, [&] { return driver_->add(record_); });
}

int File::flush() {
  clearError();
  return driver_->flush();
}

int File::setStart() {
  clearError();
  return driver_->setStart();
}

int File::next() {
  return guarded(FileOperation::Next, [&] { return driver_->next(record_); });
}

const RecordRead& File::lastRead() const { return driver_->lastRead(); }

int File::put() {
  return guarded(FileOperation::Put, [&] { return driver_->put(record_); });
}

int File::remove() {
  return guarded(FileOperation::Delete, [&] { return driver_->remove(); });
}

int File::insertAtScan(const LineText& record) {
  clearError();
  return driver_->insertAtScan(record);
}

std::int64_t File::records() { return driver_->records(); }

std::int64_t File::bytes() { return driver_->bytes(); }

void File::send(std::string_view option) { driver_->send(option); }

}  // namespace tallowmere::runtime
