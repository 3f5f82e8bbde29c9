#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/files/FaultPlan.h"
#include "runtime/files/FileDriver.h"
#include "runtime/text/FixedText.h"

namespace tallowmere::runtime {

// Whether each thread has its own instance of a file declaration or all threads share one.
enum class FileScope { PerThread, Process };

// A file declaration: label, external name, driver and its one record buffer. Every
// operation returns 0 or a runtime error code and leaves the outcome in lastError(), the
// way the framework's file managers expect to find it.
class File {
 public:
  File(std::string label, std::string externalName, std::unique_ptr<FileDriver> driver);
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  const std::string& label() const { return label_; }
  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }
  std::string_view driverName() const { return driver_->driverName(); }
  FileScope scope() const { return scope_; }
  void setScope(FileScope scope) { scope_ = scope; }

  LineText& record() { return record_; }
  const LineText& record() const { return record_; }

  int open(unsigned char mode = OpenMode::ReadWrite | OpenMode::DenyWrite);
  int create();
  int close();
  bool isOpen() const;
  int empty();
  int add();  // appends the record buffer
  // Records added so far reach the disk, or the error says why not.
  int flush();
  int setStart();
  int next();  // reads into the record buffer
  const RecordRead& lastRead() const;
  int put();     // rewrites the current record from the record buffer
  int remove();  // deletes the current record
  int insertAtScan(const LineText& record);
  std::int64_t records();
  std::int64_t bytes();
  void send(std::string_view option);

  FaultPlan& faults() { return faults_; }
  FileDriver& driver() { return *driver_; }

 private:
  // Fault point: a planned fault replaces the operation, otherwise the driver runs.
  template <typename Operation>
  int guarded(FileOperation operation, Operation&& run);
  std::string label_;
  std::string name_;
  std::unique_ptr<FileDriver> driver_;
  // Every file declaration of this system is a per-thread one.
  FileScope scope_ = FileScope::PerThread;
  LineText record_;
  FaultPlan faults_;
};

}  // namespace tallowmere::runtime
