#pragma once

// True when a window system is reachable (X11 or Wayland; Windows always has
// its desktop), or when the user chose a Qt platform explicitly. Without one
// Qt would abort with a trace.
bool displayAvailable();
