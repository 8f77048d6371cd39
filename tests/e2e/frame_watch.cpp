#include "tests/e2e/frame_watch.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <thread>

namespace e2e {

FrameWatch::FrameWatch(const ExhibitProcess& exhibit) {
    display = XOpenDisplay(exhibit.displayName().c_str());
    int errorBase = 0;
    if (!display || !XDamageQueryExtension(display, &eventBase, &errorBase))
        return;
    // One report each time the damaged region goes from empty to not, and the
    // region emptied after every report: one count per burst of drawing.
    damage = XDamageCreate(display, exhibit.windowId(), XDamageReportNonEmpty);
    XSync(display, False);
}

FrameWatch::~FrameWatch() {
    if (display) {
        if (damage)
            XDamageDestroy(display, damage);
        XCloseDisplay(display);
    }
}

long FrameWatch::changes() {
    if (!damage)
        return count;
    XSync(display, False);
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == eventBase + XDamageNotify) {
            ++count;
            XDamageSubtract(display, damage, None, None);
        }
    }
    return count;
}

bool FrameWatch::waitForQuiet(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto giveUp = Clock::now() + timeout;
    long seen = changes();
    auto lastChange = Clock::now();
    while (Clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const long now = changes();
        if (now != seen) {
            seen = now;
            lastChange = Clock::now();
        } else if (Clock::now() - lastChange >= quiet) {
            return true;
        }
    }
    return false;
}

} // namespace e2e
