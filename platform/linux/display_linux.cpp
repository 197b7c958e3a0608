#include "platform/linux/display_linux.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstdlib>
#include <memory>
#include <span>

#include "platform/linux/edid.h"

namespace platform::linux_backend {

namespace {

// The name lives in the 128-byte base block, so the extension blocks after
// it are not read. RandR counts the length in 32-bit units.
constexpr long kEdidReadUnits = 128 / 4;

struct DisplayCloser {
  void operator()(::Display* display) const { XCloseDisplay(display); }
};
struct ResourcesFreer {
  void operator()(XRRScreenResources* resources) const { XRRFreeScreenResources(resources); }
};
struct OutputInfoFreer {
  void operator()(XRROutputInfo* info) const { XRRFreeOutputInfo(info); }
};
struct MonitorsFreer {
  void operator()(XRRMonitorInfo* monitors) const { XRRFreeMonitors(monitors); }
};
struct XFreer {
  void operator()(unsigned char* data) const { XFree(data); }
};

using DisplayPtr = std::unique_ptr<::Display, DisplayCloser>;

// The connection to $DISPLAY's server, or null. Without $DISPLAY nothing is
// tried, so that no library reports the failure on its own.
DisplayPtr OpenDisplay() {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return nullptr;
  return DisplayPtr(XOpenDisplay(nullptr));
}

// The server's RandR version as major * 100 + minor; 0 without RandR. A
// request the server's RandR does not know would end the program through
// Xlib's default error handler, and without RandR Xlib complains on standard
// error, so every request is checked against this first.
int RandrVersion(::Display* display) {
  int eventBase = 0;
  int errorBase = 0;
  int major = 0;
  int minor = 0;
  if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &major, &minor)) return 0;
  return major * 100 + minor;
}

std::wstring OutputName(::Display* display, RROutput output, Atom edidAtom) {
  if (edidAtom == None) return {};
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long bytesAfter = 0;
  unsigned char* raw = nullptr;
  const int status = XRRGetOutputProperty(display, output, edidAtom, 0, kEdidReadUnits, False, False,
                                          AnyPropertyType, &type, &format, &items, &bytesAfter, &raw);
  const std::unique_ptr<unsigned char, XFreer> data(raw);
  if (status != Success || data == nullptr || format != 8) return {};
  return MonitorNameFromEdid(std::span<const std::uint8_t>(data.get(), items));
}

}  // namespace

std::vector<MonitorSize> XrandrDisplay::MonitorSizes() {
  const DisplayPtr display = OpenDisplay();
  if (!display) return {};
  std::vector<MonitorSize> sizes;
  if (RandrVersion(display.get()) < 105) {
    const int screen = DefaultScreen(display.get());
    sizes.push_back({DisplayWidth(display.get(), screen), DisplayHeight(display.get(), screen)});
    return sizes;
  }
  int count = 0;
  const std::unique_ptr<XRRMonitorInfo, MonitorsFreer> monitors(
      XRRGetMonitors(display.get(), DefaultRootWindow(display.get()), True, &count));
  if (!monitors) return sizes;
  for (const XRRMonitorInfo& monitor : std::span(monitors.get(), static_cast<std::size_t>(count))) {
    sizes.push_back({monitor.width, monitor.height});
  }
  return sizes;
}

std::vector<std::wstring> XrandrDisplay::MonitorNames() {
  const DisplayPtr display = OpenDisplay();
  // The current resources, which do not make the server probe its outputs,
  // came with RandR 1.3.
  if (!display || RandrVersion(display.get()) < 103) return {};
  const std::unique_ptr<XRRScreenResources, ResourcesFreer> resources(
      XRRGetScreenResourcesCurrent(display.get(), DefaultRootWindow(display.get())));
  if (!resources) return {};
  // Asked only if it exists: no driver has set an EDID anywhere otherwise.
  const Atom edidAtom = XInternAtom(display.get(), RR_PROPERTY_RANDR_EDID, True);
  std::vector<std::wstring> names;
  for (const RROutput output : std::span(resources->outputs, static_cast<std::size_t>(resources->noutput))) {
    const std::unique_ptr<XRROutputInfo, OutputInfoFreer> info(
        XRRGetOutputInfo(display.get(), resources.get(), output));
    if (!info || info->connection != RR_Connected) continue;
    names.push_back(OutputName(display.get(), output, edidAtom));
  }
  return names;
}

}  // namespace platform::linux_backend
