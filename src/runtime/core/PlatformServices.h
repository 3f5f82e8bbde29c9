#pragma once

namespace tallowmere::runtime {

class Calendar;
class FileSystem;
class FrontEnd;
class MessageBoxPort;
class PrivateProfile;

// The services of the system the program runs on, held together so that they cannot get
// out of step: the message boxes come with the front end that draws the windows, and a
// scope that puts other files in place (a dry run) puts the real ones back with their
// settings. The platform's start-up installs them once, on the thread that runs the
// windows; a front end comes in for the time it is up.
struct PlatformServices {
  FileSystem* files = nullptr;
  PrivateProfile* settings = nullptr;
  const Calendar* calendar = nullptr;
  FrontEnd* frontEnd = nullptr;
  MessageBoxPort* messageBoxes = nullptr;
};

void installPlatformServices(const PlatformServices& services);
const PlatformServices& platformServices();
// Whether the calling thread installed the services. Only that thread may run windows: a
// window of a native front end belongs to the thread that made it.
bool onPlatformThread();

// Puts the services it is given (those that are not null) in place of the installed ones
// while it lives.
class ScopedServices {
 public:
  explicit ScopedServices(const PlatformServices& replacements);
  ~ScopedServices();
  ScopedServices(const ScopedServices&) = delete;
  ScopedServices& operator=(const ScopedServices&) = delete;

 private:
  PlatformServices previous_;
};

}  // namespace tallowmere::runtime
