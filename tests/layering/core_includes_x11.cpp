// X11 headers are on the system's include path; the core still cannot use them.
#include <X11/Xlib.h>
