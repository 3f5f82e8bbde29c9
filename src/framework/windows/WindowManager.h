#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/Levels.h"

namespace tallowmere::runtime {
class Window;
}

namespace tallowmere::framework {

class ErrorClass;
class ToolbarClass;
class WindowComponent;

// A response button: accepting Control ends the window with Action as its response.
struct ResponseButton {
  std::int32_t Control = 0;
  std::uint8_t Action = 0;
};

// The life of one window: Run opens it through Init, runs its event loop (Ask), hands each
// event to the virtual handlers, turns response buttons into the window's response and
// releases everything in Kill. A window procedure derives from it and overrides Init and
// Kill (and handlers it needs), calling the inherited operation first.
//
// The form-editing side (primary file, OK and save controls, field history, record saving)
// is not provided: no window of this system edits a record.
class WindowManager {
 public:
  // The two flags of Inited.
  static constexpr std::uint8_t OpenedFlag = 1;
  static constexpr std::uint8_t SizedFlag = 2;

  WindowManager() = default;
  virtual ~WindowManager() = default;
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  virtual void Ask();
  virtual Level Init();
  virtual Level Kill();
  // The window-opened hook.
  virtual void Open();
  // Opens the window, owned by owner when given.
  virtual void Open(runtime::Window& window, runtime::Window* owner = nullptr);
  virtual void Reset(std::uint8_t Force = 0);
  virtual std::uint8_t Run();
  // The form for calling an update procedure by number; this system has none.
  virtual std::uint8_t Run(std::uint16_t number, std::uint8_t request);
  virtual void SetAlerts();
  virtual void SetResponse(std::uint8_t response);
  virtual Level TakeAccepted();
  virtual Level TakeCompleted();
  virtual Level TakeCloseEvent();
  virtual Level TakeEvent();
  virtual Level TakeFieldEvent();
  virtual Level TakeNewSelection();
  virtual Level TakeNotify(std::int32_t code, std::int32_t thread, std::int32_t parameter);
  virtual Level TakeRejected();
  virtual Level TakeSelected();
  virtual Level TakeWindowEvent();
  virtual void Update();

  void AddItem(std::int32_t control, std::uint8_t action);
  void AddItem(WindowComponent& component);
  void AddItem(ToolbarClass& toolbar);

  std::uint8_t AutoRefresh = 0;
  std::uint8_t AutoToolbar = 0;
  std::optional<std::vector<ResponseButton>> Buttons;
  std::optional<std::vector<WindowComponent*>> CL;
  std::uint8_t CancelAction = 0;
  std::uint8_t ChangeAction = 0;
  std::uint8_t Dead = 0;
  std::uint8_t DeleteAction = 0;
  std::uint8_t BatchProcessing = 0;
  ErrorClass* Errors = nullptr;
  std::uint8_t FilesOpened = 0;
  std::int32_t FirstField = 0;
  std::uint8_t ForcedReset = 0;
  std::int32_t HistoryKey = 0;
  std::uint8_t Inited = 0;
  std::uint8_t InsertAction = 0;
  std::string LastInsertedPosition;
  std::int32_t OKControl = 0;
  std::int32_t SaveControl = 0;
  std::uint8_t DisableCancelButton = 0;
  std::uint8_t Opened = 0;
  std::uint8_t OriginalRequest = 0;
  std::uint8_t RecordSaved = 0;
  std::uint8_t BeforeSaveRequest = 0;
  std::uint8_t Request = 0;
  std::uint8_t ResetOnGainFocus = 0;
  std::uint8_t Response = 0;
  ToolbarClass* Toolbar = nullptr;
  std::int32_t* VCRRequest = nullptr;
  runtime::Window* MyWindow = nullptr;
  runtime::Window* OwnerWindow = nullptr;

 protected:
  // Posts a close request to the managed window.
  void PostClose();
  // The control the current event concerns, 0 for window events.
  std::int32_t EventControl() const;

 private:
  // The default treatment of the current event; false when it ends the event loop.
  bool ApplyDefault();
  void ResetIfComponentAsks();
};

}  // namespace tallowmere::framework
