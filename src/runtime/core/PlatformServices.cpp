#include "runtime/core/PlatformServices.h"

#include <thread>

namespace tallowmere::runtime {

namespace {

PlatformServices installed;
std::thread::id platformThread;

template <class Service>
void replaceGiven(Service*& service, Service* replacement) {
  if (replacement != nullptr) service = replacement;
}

}  // namespace

void installPlatformServices(const PlatformServices& services) {
  installed = services;
  platformThread = std::this_thread::get_id();
}

const PlatformServices& platformServices() {
  return installed;
}

bool onPlatformThread() {
  return std::this_thread::get_id() == platformThread;
}

ScopedServices::ScopedServices(const PlatformServices& replacements) : previous_(installed) {
  replaceGiven(installed.files, replacements.files);
  replaceGiven(installed.settings, replacements.settings);
  replaceGiven(installed.calendar, replacements.calendar);
  replaceGiven(installed.frontEnd, replacements.frontEnd);
  replaceGiven(installed.messageBoxes, replacements.messageBoxes);
}

ScopedServices::~ScopedServices() {
  installed = previous_;
}

}  // namespace tallowmere::runtime
