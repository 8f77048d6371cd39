#include "app/service_notify.h"

#include <GL/freeglut.h>
#include <systemd/sd-daemon.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

unsigned pingMillis = 0;

bool underSystemd() {
    const char* socket = std::getenv("NOTIFY_SOCKET");
    return socket && *socket;
}

void ping(int) {
    sd_notify(0, "WATCHDOG=1");
    glutTimerFunc(pingMillis, ping, 0);
}

} // namespace

void startWatchdogPings() {
    std::uint64_t intervalMicros = 0;
    if (!underSystemd() || sd_watchdog_enabled(0, &intervalMicros) <= 0)
        return;
    pingMillis = unsigned(std::max<std::uint64_t>(intervalMicros / 2000, 1));
    glutTimerFunc(pingMillis, ping, 0);
}

void notifyReady() {
    if (underSystemd())
        sd_notify(0, "READY=1");
}

void notifyStopping() {
    if (underSystemd())
        sd_notify(0, "STOPPING=1");
}
