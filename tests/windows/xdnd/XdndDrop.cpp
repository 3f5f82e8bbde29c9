// Drops files on a window as a Linux file manager does, through the X drag-and-drop protocol
// (XDND): the window named CAPTION is found on the display, the drag enters it, moves to its
// middle and drops there, and the files' URIs are handed over when the window asks for them.
// Wine turns such a drop into the drop Windows programs know (WM_DROPFILES).
// Usage: xdnd-drop CAPTION FILE...; the files as absolute paths. Exit status 0: the window
// took the drop; 1: it refused it or did not answer; 2: no such window or no display.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

// Protocol version 5 is what Wine speaks.
constexpr long XdndVersion = 5;

struct Atoms {
  explicit Atoms(Display* display)
      : aware(XInternAtom(display, "XdndAware", False)),
        enter(XInternAtom(display, "XdndEnter", False)),
        position(XInternAtom(display, "XdndPosition", False)),
        status(XInternAtom(display, "XdndStatus", False)),
        drop(XInternAtom(display, "XdndDrop", False)),
        finished(XInternAtom(display, "XdndFinished", False)),
        selection(XInternAtom(display, "XdndSelection", False)),
        copy(XInternAtom(display, "XdndActionCopy", False)),
        uriList(XInternAtom(display, "text/uri-list", False)),
        targets(XInternAtom(display, "TARGETS", False)) {}
  Atom aware, enter, position, status, drop, finished, selection, copy, uriList, targets;
};

std::string nameOf(Display* display, Window window) {
  char* name = nullptr;
  if (!XFetchName(display, window, &name) || !name) return {};
  std::string text = name;
  XFree(name);
  return text;
}

bool isAware(Display* display, Window window, const Atoms& atoms) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long left = 0;
  unsigned char* data = nullptr;
  const bool aware = XGetWindowProperty(display, window, atoms.aware, 0, 1, False, XA_ATOM, &type,
                                        &format, &count, &left, &data) == Success &&
                     count > 0;
  if (data) XFree(data);
  return aware;
}

// The window that takes drops for the one named caption: it or one of its descendants.
std::optional<Window> findTarget(Display* display, Window under, const std::string& caption,
                                 const Atoms& atoms) {
  if (nameOf(display, under) == caption && isAware(display, under, atoms)) return under;
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, under, &root, &parent, &children, &count)) return std::nullopt;
  std::optional<Window> found;
  for (unsigned int i = 0; i < count && !found; ++i) {
    found = findTarget(display, children[i], caption, atoms);
  }
  if (children) XFree(children);
  return found;
}

std::string uriOf(const std::string& path) {
  std::string uri = "file://";
  for (const unsigned char c : path) {
    if (std::isalnum(c) || std::strchr("/-._~", c)) {
      uri += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      uri += escaped;
    }
  }
  return uri;
}

class Drag {
 public:
  Drag(Display* display, Window target, std::string uris)
      : display_(display),
        atoms_(display),
        target_(target),
        source_(XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0)),
        uris_(std::move(uris)) {
    XSetSelectionOwner(display_, atoms_.selection, source_, CurrentTime);
  }

  // Enters the target, moves to the point (root coordinates) and drops; true when the
  // target accepted the drop and finished with it.
  bool dropAt(int x, int y) {
    send(atoms_.enter,
         {static_cast<long>(source_), XdndVersion << 24, static_cast<long>(atoms_.uriList), 0, 0});
    send(atoms_.position, {static_cast<long>(source_), 0, (x << 16) | y, CurrentTime,
                           static_cast<long>(atoms_.copy)});
    const std::optional<XClientMessageEvent> status = awaitMessage(atoms_.status);
    if (!status || !(status->data.l[1] & 1)) {
      std::fputs("xdnd-drop: the window did not accept the drag\n", stderr);
      return false;
    }
    send(atoms_.drop, {static_cast<long>(source_), 0, CurrentTime, 0, 0});
    if (!awaitMessage(atoms_.finished)) {
      std::fputs("xdnd-drop: the window did not finish the drop\n", stderr);
      return false;
    }
    return true;
  }

 private:
  void send(Atom type, std::initializer_list<long> data) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = target_;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    int i = 0;
    for (long value : data) event.xclient.data.l[i++] = value;
    XSendEvent(display_, target_, False, NoEventMask, &event);
    XFlush(display_);
  }

  // The window asks for the files while it handles the drag's entry.
  void answer(const XSelectionRequestEvent& request) {
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.time = request.time;
    reply.xselection.property = request.property;
    if (request.target == atoms_.uriList) {
      XChangeProperty(display_, request.requestor, request.property, atoms_.uriList, 8,
                      PropModeReplace, reinterpret_cast<const unsigned char*>(uris_.data()),
                      static_cast<int>(uris_.size()));
    } else if (request.target == atoms_.targets) {
      const Atom offered[] = {atoms_.targets, atoms_.uriList};
      XChangeProperty(display_, request.requestor, request.property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(offered), 2);
    } else {
      reply.xselection.property = None;
    }
    XSendEvent(display_, request.requestor, False, NoEventMask, &reply);
    XFlush(display_);
  }

  std::optional<XClientMessageEvent> awaitMessage(Atom type) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < until) {
      while (XPending(display_)) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == SelectionRequest) answer(event.xselectionrequest);
        if (event.type == ClientMessage && event.xclient.message_type == type) return event.xclient;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return std::nullopt;
  }

  Display* display_;
  Atoms atoms_;
  Window target_;
  Window source_;
  std::string uris_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: xdnd-drop CAPTION FILE...\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fputs("xdnd-drop: no X display\n", stderr);
    return 2;
  }
  const Atoms atoms(display);
  const std::optional<Window> target =
      findTarget(display, DefaultRootWindow(display), argv[1], atoms);
  if (!target) {
    std::fprintf(stderr, "xdnd-drop: no window \"%s\" takes drops\n", argv[1]);
    return 2;
  }
  std::string uris;
  for (int i = 2; i < argc; ++i) uris += uriOf(argv[i]) + "\r\n";
  XWindowAttributes attributes{};
  XGetWindowAttributes(display, *target, &attributes);
  int x = 0;
  int y = 0;
  Window child = 0;
  XTranslateCoordinates(display, *target, DefaultRootWindow(display), attributes.width / 2,
                        attributes.height / 2, &x, &y, &child);
  Drag drag(display, *target, uris);
  const bool dropped = drag.dropAt(x, y);
  XCloseDisplay(display);
  return dropped ? 0 : 1;
}
