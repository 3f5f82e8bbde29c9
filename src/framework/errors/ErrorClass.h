#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "framework/core/Levels.h"
#include "framework/errors/ErrorEntry.h"
#include "framework/errors/ErrorLogInterface.h"
#include "runtime/ui/MessageBox.h"

namespace tallowmere::framework {

class ErrorStatusClass;
struct ErrorStatus;
class StandardErrorLogClass;

// A message kept in the history list.
struct ErrorHistoryEntry {
  std::string Category;
  std::string Txt;
  std::uint16_t Id = 0;
};

// The error reporter: raises messages by id from its message table, fills their macros
// from the captured error state and handles them by their level.
class ErrorClass {
 public:
  // The id under which SetCategory and GetCategory reach the default category.
  static constexpr int DefaultCategoryId = 0xFFFF;
  // Appended to the text of a message that ends the program.
  static constexpr std::string_view FatalSuffix = "  Press OK to end this application";
  // Substituted texts are held in a buffer of 2000 bytes, terminator included.
  static constexpr std::size_t TextLimit = 1999;
  static constexpr std::size_t HistoryTextLimit = 1023;

  ErrorClass();
  virtual ~ErrorClass();
  ErrorClass(const ErrorClass&) = delete;
  ErrorClass& operator=(const ErrorClass&) = delete;

  void Init(ErrorStatusClass& status);
  void Init();
  void Kill();

  // SetErrors, then TakeError(id).
  Level Throw(int id);
  // SetFile(fileName), then Throw(id).
  Level ThrowFile(int id, std::string_view fileName);
  // SetMessageText(text), then Throw(id).
  Level ThrowMessage(int id, std::string_view text);
  // Looks the id up and handles the message by its level; does not capture error state.
  Level TakeError(int id);
  // How often message id was taken since the program started.
  std::uint64_t TimesTaken(int id) const;

  // Captures the current thread's runtime error state (code, text, driver code and text).
  void SetErrors();
  void SetFile(std::string_view name);
  void SetKey(std::string_view name);
  void SetField(std::string_view name);
  void SetMessageText(std::string_view text);

  // With a name: pushes it on this thread's procedure-name stack; without: pops.
  void SetProcedureName(std::string_view name);
  void SetProcedureName();
  std::string GetProcedureName() const;

  // The message table.
  virtual void AddErrors(std::span<const std::uint8_t> block);
  virtual void AddError(int id, std::string_view message, std::string_view title, Level level,
                        std::string_view category = {});
  virtual void RemoveError(int id);
  void SetCategory(int id, std::string_view category);
  std::string GetCategory(int id) const;
  bool GetErrorEntry(int id, ErrorEntry& entry) const;

  virtual void SetErrorLog(ErrorLogInterface& log);

  // Showing messages. Buttons and the default button are runtime::Button values.
  virtual int Msg(std::string_view text, std::string_view caption = {},
                  runtime::Icon icon = runtime::Icon::Information,
                  int buttons = runtime::Button::OK, int defaultButton = runtime::Button::OK,
                  int style = 0);
  virtual int MessageBox(Level level, std::string_view text, std::string_view caption,
                         runtime::Icon icon, int buttons, int defaultButton, int style);
  int Message(int id, int buttons, int defaultButton);
  // The current message's text with its macros filled in.
  std::string SubsString() const;

  virtual Level TakeBenign();
  virtual Level TakeFatal();
  virtual Level TakeNotify();
  virtual Level TakeOther();
  virtual Level TakeProgram();
  virtual Level TakeUser();

  // History of shown messages (kept only while HistoryThreshold is not 0).
  virtual void AddHistory(std::string_view text);
  virtual int HistoryMsg(std::string_view caption, runtime::Icon icon, int buttons,
                         int defaultButton);
  virtual void ViewHistory();
  void ResetHistory();
  std::vector<ErrorHistoryEntry> GetHistory() const;

  bool GetSilent() const { return Silent; }
  void SetSilent(bool silent) { Silent = silent; }
  bool GetLogErrors() const { return LogErrors; }
  void SetLogErrors(bool logErrors) { LogErrors = logErrors; }
  std::int32_t GetHistoryThreshold() const { return HistoryThreshold; }
  void SetHistoryThreshold(std::int32_t threshold) { HistoryThreshold = threshold; }
  std::int32_t GetHistoryViewLevel() const { return HistoryViewLevel; }
  void SetHistoryViewLevel(std::int32_t level) { HistoryViewLevel = level; }
  bool GetHistoryResetOnView() const { return HistoryResetOnView; }
  void SetHistoryResetOnView(bool reset) { HistoryResetOnView = reset; }
  std::string GetDefaultCategory() const;
  void SetDefaultCategory(std::string_view category);
  std::int32_t GetErrorBufferId() const;
  std::string GetErrorBufferTitle() const;
  std::uint8_t GetErrorBufferFatality() const;

 private:
  struct ProcName {
    std::thread::id Thread;
    std::string Name;
  };

  ErrorStatus& status() const;
  // Where the table holds id, searching from its end so that the later of two entries with
  // the same id wins.
  std::optional<std::size_t> indexOf(int id) const;
  // This thread's innermost procedure name, or crend() when it has none. The caller holds
  // CritSect and has checked ProcNames.
  std::vector<ProcName>::const_reverse_iterator innermostName() const;
  void StoreErrorEntry(int id);
  void writeLog(std::string_view text);
  void recordHistory(std::string_view text);
  std::string previousText(std::int32_t id) const;

  std::map<int, std::uint64_t> Taken;
  std::string DefaultCategory;
  std::optional<std::vector<ErrorEntry>> Errors;
  ErrorLogInterface* ErrorLog = nullptr;
  std::optional<std::deque<ErrorHistoryEntry>> History;
  std::optional<std::vector<ProcName>> ProcNames;
  std::unique_ptr<StandardErrorLogClass> StdErrorLog;
  bool Silent = false;
  bool LogErrors = false;
  std::int32_t HistoryThreshold = 0;
  std::int32_t HistoryViewLevel = 3;
  bool HistoryResetOnView = false;
  mutable std::recursive_mutex CritSect;
  ErrorStatusClass* Status = nullptr;
  int MsgStyle = 0;
};

}  // namespace tallowmere::framework
