#pragma once
// SIGTERM, SIGINT and SIGHUP (what `systemctl --user stop`, Ctrl-C and a
// closed terminal or ended session send) end the exhibit through the normal
// exit, so that static objects are destroyed and
// whatever is registered with atexit runs. The handler only records the
// signal and wakes the main loop, which sleeps on the X connection until an
// event comes: through a second connection kept for nothing else, it asks
// the X server to send the window the close message a window manager sends,
// whose handling, on the main loop's thread, finds the signal and calls the
// stop routine. An exhibit at rest thus wakes for nothing but input.

#include <X11/Xlib.h>

// Installs the handlers. Needs no display; call it early, before GLUT opens
// one, so that a signal during start-up is not lost.
void catchStopSignals();

// Opens the waking connection to the window's display (Xlib's own display
// and window ids). Until then a caught signal is only recorded.
void wakeOnStopSignal(Display* display, Window window);

// The stop signal caught so far, or 0.
int caughtStopSignal();
