#include "txa/FileSynchronizationClass.h"

#include <string>

#include "framework/core/Assert.h"
#include "runtime/files/ErrorState.h"
#include "runtime/ui/MessageBox.h"

namespace tallowmere::txa {

namespace {

namespace Mode = runtime::OpenMode;
namespace Code = runtime::ErrorCode;

constexpr std::string_view ResetCaption = "FileSync - Reset";
constexpr std::string_view OpenCaption = "FileSync - Open";

}  // namespace

void FileSynchronizationClass::Init(runtime::File& target, runtime::File& disk) {
  target_ = &target;
  disk_ = &disk;
  initialised_ = true;
}

framework::Level FileSynchronizationClass::Kill() {
  if (!initialised_) return framework::Level::Notify;
  initialised_ = false;
  return framework::Level::Benign;
}

void FileSynchronizationClass::report(std::string text, std::string_view caption) {
  const runtime::ErrorState& error = runtime::lastError();
  text += "|Error(" + std::to_string(error.code) + ") " + error.text;
  if (error.code == Code::OperatingSystemError) {
    text += "|File Error(" + error.driverCode + ") " + error.driverText;
  }
  runtime::messageBox({std::move(text), std::string(caption), runtime::Icon::Warning,
                       runtime::Button::OK, runtime::Button::OK});
}

std::string FileSynchronizationClass::memoryFileDetail() const {
  return "|FileName:" + target_->name() + "|Driver:" + std::string(target_->driverName());
}

framework::Level FileSynchronizationClass::Load() {
  framework::frameworkAssert(initialised_, "FileSynchronizationClass used before Init");
  if (!Reset()) return framework::Level::Notify;
  const bool targetOpened = openTarget();
  const bool opened = targetOpened && openDisk();
  if (opened) {
    if (disk_->records() > 0) copyFromDisk();
    disk_->close();
  }
  if (targetOpened) target_->close();
  return opened ? framework::Level::Benign : framework::Level::Notify;
}

bool FileSynchronizationClass::Reset() {
  int code = target_->open(Mode::ReadWrite | Mode::DenyAll);
  if (code == Code::AccessDenied) {
    code = target_->open(Mode::ReadWrite | Mode::DenyWrite);
    if (code == Code::AccessDenied) return false;
  }
  if (code == Code::FileNotFound) {
    if (target_->create() != Code::NoError) {
      report("Error Creating the Memory File." + memoryFileDetail(), ResetCaption);
      return false;
    }
    code = target_->open(Mode::ReadWrite | Mode::DenyAll);
  }
  if (code != Code::NoError) {
    report("Error Opening the Memory File." + memoryFileDetail(), ResetCaption);
    return false;
  }
  target_->empty();
  target_->close();
  return true;
}

bool FileSynchronizationClass::openTarget() {
  int code = target_->open(Mode::ReadWrite | Mode::DenyNone);
  if (code == Code::FileNotFound) {
    if (target_->create() != Code::NoError) return false;
    code = target_->open(Mode::ReadWrite | Mode::DenyNone);
  }
  if (code == Code::NoError) return true;
  report("Error Opening the Memory File.", OpenCaption);
  return false;
}

bool FileSynchronizationClass::openDisk() {
  int code = disk_->open(Mode::ReadWrite | Mode::DenyNone);
  if (code == Code::FileNotFound) {
    if (disk_->create() != Code::NoError) return false;
    code = disk_->open(Mode::ReadWrite | Mode::DenyNone);
  } else if (code == Code::AccessDenied) {
    // Loading needs only reading; this program never saves the table back.
    code = disk_->open(Mode::ReadOnly | Mode::DenyNone);
  }
  if (code == Code::NoError) return true;
  report("Error Opening the Physical file.|File:" + disk_->name(), OpenCaption);
  return false;
}

void FileSynchronizationClass::copyFromDisk() {
  if (disk_->setStart() != Code::NoError) return;
  while (disk_->next() == Code::NoError) {
    target_->record() = disk_->record();
    if (target_->add() != Code::NoError) return;
  }
}

}  // namespace tallowmere::txa
