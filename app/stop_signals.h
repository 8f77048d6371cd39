#pragma once
// SIGTERM and SIGINT (what `systemctl --user stop` and Ctrl-C send) end the
// exhibit through the normal exit, so that static objects are destroyed and
// whatever is registered with atexit runs. The signal handler only records
// the signal; a GLUT timer finds it there and calls the stop routine, on the
// main loop's thread, outside any signal handler.

// Installs the handlers. Needs no display; call it early, before GLUT opens
// one, so that a signal during start-up is not lost.
void catchStopSignals();

// Checks for a caught signal every few tenths of a second from a GLUT timer
// (needs glutInit) and calls stop with its number; stop is expected to end
// the process.
void stopOnSignal(void (*stop)(int signal));
