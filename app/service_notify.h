#pragma once
// What the exhibit tells systemd when a unit of Type=notify runs it: READY=1
// once the first frame is on screen, WATCHDOG=1 at half the unit's watchdog
// interval, and STOPPING=1 when it ends on a signal. The pings come from a
// GLUT timer, so they stop when the main loop stops turning and systemd
// restarts a hung exhibit. Without NOTIFY_SOCKET in the environment nothing
// here sends anything.

// Starts the watchdog's pings when systemd asks for them (WATCHDOG_USEC).
// Needs glutInit.
void startWatchdogPings();

void notifyReady();
void notifyStopping();
