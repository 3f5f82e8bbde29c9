#include "framework/errors/ErrorClass.h"

#include <algorithm>
#include <cstdio>

#include "framework/core/Assert.h"
#include "framework/errors/BuiltInMessages.h"
#include "framework/errors/ErrorStatusClass.h"
#include "framework/errors/MacroText.h"
#include "framework/errors/MessageBlock.h"
#include "framework/errors/StandardErrorLogClass.h"
#include "runtime/core/Calendar.h"
#include "runtime/files/ErrorState.h"
#include "runtime/text/FixedText.h"
#include "runtime/ui/Halt.h"

namespace tallowmere::framework {

namespace {

constexpr std::string_view NoStatus = "ErrorClass not correctly initialized with Status";
constexpr std::string_view NoQueues = "ErrorClass incorrectly initialized.";
constexpr std::string_view NoTable = "ErrorClass not correctly initialized";
constexpr std::string_view DefaultCategoryName = "Qor";
constexpr std::string_view HistoryCaption = "Errors History";

// Error codes whose %ErrorText is the driver's own text and code.
bool isDriverError(std::int32_t code) {
  return code == runtime::ErrorCode::OperatingSystemError || code == 100;
}

std::string errorText(const ErrorStatus& state) {
  if (isDriverError(state.SaveErrorCode)) {
    return state.SaveFileError + " (" + state.SaveFileErrorCode + ")";
  }
  return state.SaveError + " (" + std::to_string(state.SaveErrorCode) + ")";
}

// The log line's stamp: the date, an at-sign, then the time.
std::string logStamp() {
  const runtime::LocalTime now = runtime::calendar().now();
  char stamp[48];
  const int length = std::snprintf(stamp, sizeof stamp, "%04d/%02d/%02d@%02d:%02d:%02d", now.year,
                                   now.month, now.day, now.hour, now.minute, now.second);
  return {stamp, static_cast<std::size_t>(length)};
}

}  // namespace

ErrorClass::ErrorClass() = default;

ErrorClass::~ErrorClass() {
  Kill();
}

void ErrorClass::Init(ErrorStatusClass& status) {
  Status = &status;
  Init();
}

void ErrorClass::Init() {
  frameworkAssert(Status != nullptr, NoStatus);
  if (StdErrorLog) return;
  StdErrorLog = std::make_unique<StandardErrorLogClass>();
  DefaultCategory = DefaultCategoryName;
  Errors.reset();
  ProcNames.reset();
  History.reset();
  HistoryThreshold = 0;
  HistoryViewLevel = 3;
  HistoryResetOnView = false;
  SetErrorLog(*StdErrorLog);
}

void ErrorClass::SetErrorLog(ErrorLogInterface& log) {
  std::lock_guard lock(CritSect);
  ErrorLog = &log;
  if (!Errors) {
    Errors.emplace();
    AddErrors(builtInMessages());
  }
  if (!ProcNames) ProcNames.emplace();
  if (!History) History.emplace();
}

void ErrorClass::Kill() {
  std::lock_guard lock(CritSect);
  Errors.reset();
  History.reset();
  ProcNames.reset();
  if (ErrorLog == StdErrorLog.get()) ErrorLog = nullptr;
  StdErrorLog.reset();
}

ErrorStatus& ErrorClass::status() const {
  frameworkAssert(Status != nullptr, NoStatus);
  return Status->current();
}

Level ErrorClass::Throw(int id) {
  SetErrors();
  return TakeError(id);
}

Level ErrorClass::ThrowFile(int id, std::string_view fileName) {
  SetFile(fileName);
  return Throw(id);
}

Level ErrorClass::ThrowMessage(int id, std::string_view text) {
  SetMessageText(runtime::clip(text));
  return Throw(id);
}

std::uint64_t ErrorClass::TimesTaken(int id) const {
  std::lock_guard lock(CritSect);
  const auto taken = Taken.find(id);
  return taken == Taken.end() ? 0 : taken->second;
}

Level ErrorClass::TakeError(int id) {
  {
    std::lock_guard lock(CritSect);
    ++Taken[id];
  }
  StoreErrorEntry(id);
  switch (static_cast<Level>(status().ErrorBuffer.Fatality)) {
    case Level::Benign:
      return TakeBenign();
    case Level::User:
    case Level::Cancel:
      return TakeUser();
    case Level::Program:
      return TakeProgram();
    case Level::Fatal:
      return TakeFatal();
    case Level::Notify:
      TakeNotify();
      return Level::Notify;
  }
  return TakeOther();
}

void ErrorClass::StoreErrorEntry(int id) {
  ErrorStatus& state = status();
  state.PrevErrorId = state.ErrorBuffer.Id;
  ErrorEntry entry;
  frameworkAssert(GetErrorEntry(id, entry), "Identifier not found.");
  state.ErrorBuffer = {entry.Id, std::string(entry.Message), std::string(entry.Title),
                       entry.Fatality, entry.Category};
}

void ErrorClass::SetErrors() {
  const runtime::ErrorState& last = runtime::lastError();
  ErrorStatus& state = status();
  state.SaveErrorCode = last.code;
  state.SaveError = ErrorStatusClass::cut(last.text);
  state.SaveFileErrorCode = ErrorStatusClass::cut(last.driverCode);
  state.SaveFileError = ErrorStatusClass::cut(last.driverText);
}

void ErrorClass::SetFile(std::string_view name) {
  status().FileName = ErrorStatusClass::cut(runtime::clip(name));
}

void ErrorClass::SetKey(std::string_view name) {
  status().KeyName = ErrorStatusClass::cut(runtime::clip(name));
}

void ErrorClass::SetField(std::string_view name) {
  status().FieldName = ErrorStatusClass::cut(runtime::clip(name));
}

void ErrorClass::SetMessageText(std::string_view text) {
  status().MessageText = ErrorStatusClass::cut(text);
}

void ErrorClass::SetProcedureName(std::string_view name) {
  std::lock_guard lock(CritSect);
  frameworkAssert(ProcNames.has_value(), NoQueues);
  ProcNames->push_back({std::this_thread::get_id(), std::string(runtime::clip(name))});
}

void ErrorClass::SetProcedureName() {
  std::lock_guard lock(CritSect);
  frameworkAssert(ProcNames.has_value(), NoQueues);
  const auto mine = innermostName();
  if (mine != ProcNames->crend()) ProcNames->erase(std::next(mine).base());
}

std::string ErrorClass::GetProcedureName() const {
  std::lock_guard lock(CritSect);
  if (!ProcNames) return {};
  const auto mine = innermostName();
  return mine == ProcNames->crend() ? std::string() : mine->Name;
}

std::vector<ErrorClass::ProcName>::const_reverse_iterator ErrorClass::innermostName() const {
  return std::find_if(ProcNames->crbegin(), ProcNames->crend(),
                      [](const ProcName& p) { return p.Thread == std::this_thread::get_id(); });
}

void ErrorClass::AddErrors(std::span<const std::uint8_t> block) {
  std::lock_guard lock(CritSect);
  frameworkAssert(Errors.has_value(), NoTable);
  std::optional<std::vector<ErrorEntry>> entries = readMessageBlock(block);
  frameworkAssert(entries.has_value(), "Unable to add new error message to queue.");
  Errors->insert(Errors->end(), entries->begin(), entries->end());
}

void ErrorClass::AddError(int id, std::string_view message, std::string_view title, Level level,
                          std::string_view category) {
  std::lock_guard lock(CritSect);
  frameworkAssert(Errors.has_value(), NoTable);
  ErrorEntry entry;
  entry.OwnTexts = std::make_shared<const std::pair<std::string, std::string>>(message, title);
  entry.Id = id;
  entry.Message = entry.OwnTexts->first;
  entry.Title = entry.OwnTexts->second;
  entry.Fatality = static_cast<std::uint8_t>(level);
  entry.Category = category;
  Errors->push_back(std::move(entry));
}

void ErrorClass::RemoveError(int id) {
  std::lock_guard lock(CritSect);
  const std::optional<std::size_t> at = indexOf(id);
  frameworkAssert(at.has_value(), "Unable to delete error id :" + std::to_string(id));
  Errors->erase(Errors->begin() + static_cast<std::ptrdiff_t>(*at));
}

std::optional<std::size_t> ErrorClass::indexOf(int id) const {
  std::lock_guard lock(CritSect);
  frameworkAssert(Errors.has_value(), NoTable);
  for (std::size_t at = Errors->size(); at-- > 0;) {
    if ((*Errors)[at].Id == id) return at;
  }
  return std::nullopt;
}

bool ErrorClass::GetErrorEntry(int id, ErrorEntry& entry) const {
  std::lock_guard lock(CritSect);
  const std::optional<std::size_t> at = indexOf(id);
  if (!at) return false;
  entry = (*Errors)[*at];
  return true;
}

void ErrorClass::SetCategory(int id, std::string_view category) {
  std::lock_guard lock(CritSect);
  if (id == DefaultCategoryId) {
    DefaultCategory = category;
    return;
  }
  if (const std::optional<std::size_t> at = indexOf(id)) (*Errors)[*at].Category = category;
}

std::string ErrorClass::GetCategory(int id) const {
  std::lock_guard lock(CritSect);
  if (id != DefaultCategoryId) {
    const std::optional<std::size_t> at = indexOf(id);
    if (at && !(*Errors)[*at].Category.empty()) return (*Errors)[*at].Category;
  }
  return DefaultCategory;
}

std::string ErrorClass::GetDefaultCategory() const {
  return GetCategory(DefaultCategoryId);
}

void ErrorClass::SetDefaultCategory(std::string_view category) {
  SetCategory(DefaultCategoryId, category);
}

std::int32_t ErrorClass::GetErrorBufferId() const {
  return status().ErrorBuffer.Id;
}

std::string ErrorClass::GetErrorBufferTitle() const {
  return status().ErrorBuffer.Title;
}

std::uint8_t ErrorClass::GetErrorBufferFatality() const {
  return status().ErrorBuffer.Fatality;
}

std::string ErrorClass::previousText(std::int32_t id) const {
  ErrorEntry entry;
  return GetErrorEntry(id, entry) ? std::string(entry.Message) : std::string();
}

std::string ErrorClass::SubsString() const {
  const ErrorStatus state = status();
  std::string text = state.ErrorBuffer.Message.substr(0, TextLimit);
  const auto replace = [&text](std::string_view macro, std::string_view value) {
    replaceMacro(text, macro, value, TextLimit);
  };
  replace("%FileErrorCode", state.SaveFileErrorCode);
  replace("%FileError", state.SaveFileError);
  replace("%File", state.FileName);
  replace("%Key", state.KeyName);
  replace("%ErrorCode", std::to_string(state.SaveErrorCode));
  replace("%ErrorText", errorText(state));
  replace("%Error", state.SaveError);
  replace("%Message", state.MessageText);
  replace("%Field", state.FieldName);
  replace("%Procedure", GetProcedureName());
  replace("%Category", state.ErrorBuffer.Category);
  if (findMacro(text, "%Previous") != std::string::npos) {
    replace("%Previous", previousText(state.PrevErrorId));
  }
  return std::string(runtime::clip(text));
}

int ErrorClass::Msg(std::string_view text, std::string_view caption, runtime::Icon icon,
                    int buttons, int defaultButton, int style) {
  int result = defaultButton;
  if (LogErrors) writeLog(text);
  if (HistoryThreshold != 0) recordHistory(text);
  if (Silent) return result;
  if (HistoryThreshold == 0) {
    return MessageBox(static_cast<Level>(GetErrorBufferFatality()), text, caption, icon, buttons,
                      defaultButton, style);
  }
  // With a history kept, only messages at or above the view level bring it up.
  if (GetErrorBufferFatality() >= HistoryViewLevel) {
    result = HistoryMsg(caption, icon, buttons, defaultButton);
    if (HistoryResetOnView) ResetHistory();
  }
  return result;
}

int ErrorClass::MessageBox(Level, std::string_view text, std::string_view caption,
                           runtime::Icon icon, int buttons, int defaultButton, int) {
  return runtime::messageBox(
      {std::string(text), std::string(caption), icon, buttons, defaultButton});
}

int ErrorClass::Message(int id, int buttons, int defaultButton) {
  if (Silent) return defaultButton;
  StoreErrorEntry(id);
  return MessageBox(static_cast<Level>(GetErrorBufferFatality()), SubsString(),
                    GetErrorBufferTitle(), runtime::Icon::Warning, buttons, defaultButton,
                    MsgStyle);
}

Level ErrorClass::TakeBenign() {
  return Level::Benign;
}

Level ErrorClass::TakeNotify() {
  Msg(SubsString(), GetErrorBufferTitle(), runtime::Icon::Information, runtime::Button::OK,
      runtime::Button::OK, MsgStyle);
  return Level::Notify;
}

Level ErrorClass::TakeUser() {
  const int pressed =
      Msg(SubsString(), GetErrorBufferTitle(), runtime::Icon::Warning,
          runtime::Button::Yes | runtime::Button::No, runtime::Button::Yes, MsgStyle);
  return pressed == runtime::Button::Yes ? Level::Benign : Level::Cancel;
}

Level ErrorClass::TakeFatal() {
  const std::string title = GetErrorBufferTitle();
  Msg(SubsString() + std::string(FatalSuffix), title, runtime::Icon::Information,
      runtime::Button::OK, runtime::Button::OK, MsgStyle);
  // Whatever started the program must be able to tell this end from a normal one.
  runtime::halt(title, 1);
}

Level ErrorClass::TakeProgram() {
  return TakeFatal();
}

Level ErrorClass::TakeOther() {
  return TakeProgram();
}

void ErrorClass::writeLog(std::string_view text) {
  std::lock_guard lock(CritSect);
  frameworkAssert(ErrorLog != nullptr, "Attempt to LogErrors with ErrorLogInterface NULL!");
  const auto lastErrorText = [] { return std::string(runtime::lastError().text); };
  if (ErrorLog->Open(false) != 0) assertionFailure("Unable to Open error log; " + lastErrorText());
  if (ErrorLog->Take(logStamp() + " --> " + std::string(text)) != 0) {
    assertionFailure("Unable to update error log; " + lastErrorText());
  }
  if (ErrorLog->Close(false) != 0)
    assertionFailure("Unable to close error log; " + lastErrorText());
}

void ErrorClass::recordHistory(std::string_view text) {
  std::lock_guard lock(CritSect);
  frameworkAssert(History.has_value(), NoQueues);
  if (HistoryThreshold > 0) {
    while (History->size() >= static_cast<std::size_t>(HistoryThreshold)) History->pop_front();
  }
  AddHistory(text);
}

void ErrorClass::AddHistory(std::string_view text) {
  std::lock_guard lock(CritSect);
  frameworkAssert(History.has_value(), NoQueues);
  const std::int32_t id = GetErrorBufferId();
  History->push_back({GetCategory(id), std::string(text.substr(0, HistoryTextLimit)),
                      static_cast<std::uint16_t>(id)});
}

int ErrorClass::HistoryMsg(std::string_view caption, runtime::Icon icon, int buttons,
                           int defaultButton) {
  // The history is kept short enough to read in one box: its texts, newest last.
  std::string text;
  for (const ErrorHistoryEntry& entry : GetHistory()) {
    if (!text.empty()) text += '|';
    text += entry.Txt;
  }
  return MessageBox(static_cast<Level>(GetErrorBufferFatality()), text, caption, icon, buttons,
                    defaultButton, MsgStyle);
}

void ErrorClass::ViewHistory() {
  HistoryMsg(HistoryCaption, runtime::Icon::Information, runtime::Button::OK, runtime::Button::OK);
}

void ErrorClass::ResetHistory() {
  std::lock_guard lock(CritSect);
  if (History) History->clear();
}

std::vector<ErrorHistoryEntry> ErrorClass::GetHistory() const {
  std::lock_guard lock(CritSect);
  if (!History) return {};
  return {History->begin(), History->end()};
}

}  // namespace tallowmere::framework
