#include "xvfb_server.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

extern char** environ;

namespace testing_support {

namespace {

constexpr int kStartMilliseconds = 20000;

int errorsSeen = 0;

int CountError(Display*, XErrorEvent*) {
  ++errorsSeen;
  return 0;
}

// A connection whose X errors are counted rather than ending the test
// program, as Xlib's default handler would.
class Connection {
 public:
  explicit Connection(const std::string& name)
      : display_(XOpenDisplay(name.c_str())), previous_(XSetErrorHandler(CountError)) {
    errorsSeen = 0;
  }
  ~Connection() {
    if (display_ != nullptr) XCloseDisplay(display_);
    XSetErrorHandler(previous_);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  Display* get() const { return display_; }
  // Waits for the server to handle every request sent so far.
  bool SyncWithoutErrors() const {
    XSync(display_, False);
    return errorsSeen == 0;
  }

 private:
  Display* display_;
  XErrorHandler previous_;
};

}  // namespace

XvfbServer::XvfbServer(const std::vector<std::string>& extraArguments) {
  int ready[2];
  if (pipe(ready) != 0) {
    failure_ = "pipe failed";
    return;
  }
  const std::string fd = std::to_string(ready[1]);
  std::vector<std::string> args = {"Xvfb",       "-displayfd", fd,  "-noreset", "-nolisten",
                                   "tcp",        "-screen",    "0", "1024x768x24"};
  args.insert(args.end(), extraArguments.begin(), extraArguments.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, ready[0]);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const int spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(ready[1]);
  if (spawned != 0) {
    installed_ = spawned != ENOENT;
    failure_ = std::string("cannot start Xvfb: ") + std::strerror(spawned);
    pid_ = -1;
    close(ready[0]);
    return;
  }
  // Xvfb writes the display number and a line feed once it listens.
  std::string number;
  pollfd waiting{ready[0], POLLIN, 0};
  char c = 0;
  while (poll(&waiting, 1, kStartMilliseconds) == 1 && read(ready[0], &c, 1) == 1 && c != '\n') number.push_back(c);
  close(ready[0]);
  if (c != '\n' || number.empty()) {
    failure_ = "Xvfb did not report its display";
    return;
  }
  name_ = ":" + number;
}

XvfbServer::~XvfbServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
}

bool XvfbServer::SetEdid(std::span<const std::uint8_t> edid) {
  const Connection connection(name_);
  Display* display = connection.get();
  if (display == nullptr) return false;
  const std::unique_ptr<XRRScreenResources, decltype(&XRRFreeScreenResources)> resources(
      XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display)), XRRFreeScreenResources);
  if (!resources || resources->noutput < 1) return false;
  const Atom edidAtom = XInternAtom(display, RR_PROPERTY_RANDR_EDID, False);
  XRRChangeOutputProperty(display, resources->outputs[0], edidAtom, XA_INTEGER, 8, PropModeReplace, edid.data(),
                          static_cast<int>(edid.size()));
  return connection.SyncWithoutErrors();
}

bool XvfbServer::AddMonitor(int x, int y, int width, int height) {
  const Connection connection(name_);
  Display* display = connection.get();
  if (display == nullptr) return false;
  const std::unique_ptr<XRRMonitorInfo, decltype(&XRRFreeMonitors)> monitor(XRRAllocateMonitor(display, 0),
                                                                            XRRFreeMonitors);
  if (!monitor) return false;
  monitor->name = XInternAtom(display, ("veloinspect-test-" + std::to_string(x)).c_str(), False);
  monitor->x = x;
  monitor->y = y;
  monitor->width = width;
  monitor->height = height;
  monitor->mwidth = width / 4;
  monitor->mheight = height / 4;
  XRRSetMonitor(display, DefaultRootWindow(display), monitor.get());
  return connection.SyncWithoutErrors();
}

}  // namespace testing_support
