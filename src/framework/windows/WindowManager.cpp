#include "framework/windows/WindowManager.h"

#include "framework/core/Assert.h"
#include "framework/windows/ToolbarClass.h"
#include "framework/windows/WindowComponent.h"
#include "runtime/core/PlatformServices.h"
#include "runtime/ui/KeyCodes.h"
#include "runtime/ui/Window.h"
#include "runtime/ui/WindowEngine.h"

namespace tallowmere::framework {

namespace {

// Windows are opened and their events taken only through here, so this is where the one
// thread that may run windows is checked.
runtime::WindowEngine& engine() {
  frameworkAssert(runtime::onPlatformThread(),
                  "Windows run on the thread that installed the platform services");
  return runtime::WindowEngine::current();
}

bool isCloseEvent(runtime::Event event) {
  return event == runtime::Event::CloseWindow || event == runtime::Event::CloseDown;
}

}  // namespace

std::uint8_t WindowManager::Run() {
  if (Init() == Level::Benign) Ask();
  Kill();
  return Response == RequestNone ? RequestCancelled : Response;
}

std::uint8_t WindowManager::Run(std::uint16_t, std::uint8_t) {
  return RequestCancelled;
}

Level WindowManager::Init() {
  OriginalRequest = Request;
  CL.emplace();
  Buttons.emplace();
  const int key = engine().keyCode();
  if (key == runtime::Key::MouseRight || key == runtime::Key::MouseRightUp) engine().setKeyCode(0);
  InsertAction = 2;
  DeleteAction = 2;
  ChangeAction = 2;
  CancelAction = 3;
  AutoToolbar = 1;
  AutoRefresh = 1;
  OwnerWindow = nullptr;
  return Level::Benign;
}

void WindowManager::Open(runtime::Window& window, runtime::Window* owner) {
  MyWindow = &window;
  if (owner) OwnerWindow = owner;
  // The engine's windows are modal and stacked, so owning means no more than opening on
  // top of the owner, which is already the innermost window.
  engine().open(window);
  Opened = 1;
}

void WindowManager::Open() {
  Reset(0);
  Inited |= OpenedFlag;
}

void WindowManager::Ask() {
  if (Dead || !CL || !MyWindow) return;
  LastInsertedPosition.clear();
  while (MyWindow->isOpen() && engine().active() == MyWindow) {
    if (!engine().accept()) return;
    const Level handled = TakeEvent();
    if (handled == Level::Fatal) return;
    if (handled == Level::Notify) continue;
    if (!ApplyDefault()) return;
  }
}

bool WindowManager::ApplyDefault() {
  if (!isCloseEvent(MyWindow->currentEvent().event)) return true;
  engine().close(*MyWindow);
  return false;
}

std::int32_t WindowManager::EventControl() const {
  return MyWindow ? MyWindow->currentEvent().control : 0;
}

Level WindowManager::TakeEvent() {
  using runtime::Event;
  Level rval = Level::Benign;
  if (EventControl() == 0) {
    rval = TakeWindowEvent();
    if (rval != Level::Benign) return rval;
  }
  switch (MyWindow->currentEvent().event) {
    case Event::Accepted:
      rval = TakeAccepted();
      break;
    case Event::Rejected:
      rval = TakeRejected();
      break;
    case Event::Selected:
      rval = TakeSelected();
      break;
    case Event::NewSelection:
      rval = TakeNewSelection();
      break;
    case Event::Sized:
      engine().postToThread(Event::ResizeRequest);
      break;
    default:
      // An alert key restores a field from its history; no window here keeps one.
      break;
  }
  if (rval != Level::Benign) return rval;
  if (EventControl() != 0) {
    rval = TakeFieldEvent();
    if (rval != Level::Benign) return rval;
  }
  for (WindowComponent* component : *CL) {
    rval = component->TakeEvent();
    if (rval != Level::Benign) return rval;
  }
  if (AutoRefresh) ResetIfComponentAsks();
  return rval;
}

void WindowManager::ResetIfComponentAsks() {
  for (WindowComponent* component : *CL) {
    if (component->ResetRequired()) {
      Reset(0);
      return;
    }
  }
}

Level WindowManager::TakeWindowEvent() {
  using runtime::Event;
  switch (MyWindow->currentEvent().event) {
    case Event::OpenWindow:
      if (!(Inited & OpenedFlag)) Open();
      if (FirstField) MyWindow->select(FirstField);
      break;
    case Event::Notify:
      if (auto notification = MyWindow->takeNotification()) {
        return TakeNotify(notification->code, notification->thread, notification->parameter);
      }
      break;
    case Event::LoseFocus:
      if (ResetOnGainFocus) ForcedReset = 1;
      break;
    case Event::GainFocus:
      if (Inited & OpenedFlag) {
        Reset(0);
      } else {
        Open();
      }
      break;
    case Event::Sized:
      if (Inited & SizedFlag) {
        Reset(0);
      } else {
        Inited |= SizedFlag;
      }
      break;
    case Event::Completed:
      return TakeCompleted();
    case Event::CloseWindow:
    case Event::CloseDown:
      return TakeCloseEvent();
    default:
      break;
  }
  return Level::Benign;
}

Level WindowManager::TakeAccepted() {
  const std::int32_t accepted = EventControl();
  if (Toolbar) Toolbar->TakeEvent(VCRRequest, *this);
  for (const ResponseButton& button : *Buttons) {
    if (button.Control == accepted) {
      SetResponse(button.Action);
      return Level::Notify;
    }
  }
  return Level::Benign;
}

void WindowManager::SetResponse(std::uint8_t response) {
  Response = response;
  PostClose();
  if (response == RequestCancelled && Toolbar && VCRRequest) *VCRRequest = 0;
}

void WindowManager::PostClose() {
  if (MyWindow) MyWindow->post(runtime::Event::CloseWindow);
}

// Without a primary file there are no unsaved changes to ask about.
Level WindowManager::TakeCloseEvent() {
  return Level::Benign;
}

// Only a form completes; no window of this system is one.
Level WindowManager::TakeCompleted() {
  return Level::Benign;
}

Level WindowManager::TakeSelected() {
  return Level::Benign;
}

Level WindowManager::TakeFieldEvent() {
  return Level::Benign;
}

Level WindowManager::TakeNotify(std::int32_t, std::int32_t, std::int32_t) {
  return Level::Benign;
}

// Only a tab control brings a new selection to the window itself, and no window here
// has one.
Level WindowManager::TakeNewSelection() {
  return Level::Benign;
}

Level WindowManager::TakeRejected() {
  const std::int32_t rejected = EventControl();
  engine().beep();
  engine().display(*MyWindow);
  MyWindow->select(rejected);
  return Level::Benign;
}

void WindowManager::Reset(std::uint8_t Force) {
  Force = static_cast<std::uint8_t>(Force + ForcedReset);
  ForcedReset = 0;
  if (CL) {
    for (WindowComponent* component : *CL) component->Reset(Force != 0);
  }
  if (MyWindow && MyWindow->isOpen()) engine().display(*MyWindow);
}

void WindowManager::SetAlerts() {
  if (!CL) return;
  for (WindowComponent* component : *CL) component->SetAlerts();
}

void WindowManager::Update() {
  if (!CL) return;
  for (WindowComponent* component : *CL) component->Update();
}

void WindowManager::AddItem(std::int32_t control, std::uint8_t action) {
  frameworkAssert(Buttons.has_value(), "Window manager has not been initialized");
  Buttons->push_back({control, action});
}

void WindowManager::AddItem(WindowComponent& component) {
  frameworkAssert(CL.has_value(), "Window manager has not been initialized");
  CL->push_back(&component);
}

void WindowManager::AddItem(ToolbarClass& toolbar) {
  Toolbar = &toolbar;
  toolbar.Init();
}

Level WindowManager::Kill() {
  if (Dead || !CL) return Level::Notify;
  while (!CL->empty()) {
    WindowComponent* component = CL->front();
    CL->erase(CL->begin());
    component->Kill();
  }
  CL.reset();
  Buttons.reset();
  if (Toolbar) Toolbar->Kill();
  Dead = 1;
  return Level::Benign;
}

}  // namespace tallowmere::framework
