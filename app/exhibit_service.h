#pragma once
// The exhibit as a long-running service: what systemd and a technician see
// of it. The start line goes to the journal and READY=1 to systemd after the
// first frame; every frame is followed by a look for GL errors, each kind
// reported once; a lost display and GLUT's own fatal errors are one journal
// line and status 1; SIGTERM, SIGINT and SIGHUP are one line, STOPPING=1 and status 0.

#include "app/journal.h"

// Before glutInit: catches the stop signals and GLUT's fatal errors.
void prepareService();

// After the window and the event handlers exist: wraps the display handler,
// starts the watchdog's pings and the watch for stop signals, and catches a
// lost display. facts holds the options and the swap control; the rest of
// the start line is read when the first frame has been drawn.
void startService(StartFacts facts);
