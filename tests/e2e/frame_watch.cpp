#include "tests/e2e/frame_watch.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <thread>

namespace e2e {

using namespace std::chrono_literals;

FrameWatch::FrameWatch(const ExhibitProcess& exhibit)
    : display(XOpenDisplay(exhibit.displayName().c_str())) {
    int errorBase = 0;
    if (display && XDamageQueryExtension(display, &eventBase, &errorBase))
        damage = XDamageCreate(display, exhibit.windowId(), XDamageReportNonEmpty);
}

FrameWatch::~FrameWatch() {
    if (display)
        XCloseDisplay(display);
}

long FrameWatch::changes() {
    // One report each time the damaged region stops being empty, emptied
    // again at once so that the next frame reports again.
    for (XSync(display, False); damage && XPending(display) > 0;) {
        XEvent event;
        XNextEvent(display, &event);
        count += event.type == eventBase + XDamageNotify;
        XDamageSubtract(display, damage, None, None);
    }
    return count;
}

bool FrameWatch::comesToRest(std::chrono::milliseconds timeout) {
    long seen = changes();
    auto since = std::chrono::steady_clock::now();
    return waitFor(
        [&] {
            std::this_thread::sleep_for(20ms);
            if (changes() != seen)
                seen = count, since = std::chrono::steady_clock::now();
            return std::chrono::steady_clock::now() - since >= 1s;
        },
        timeout);
}

bool FrameWatch::changesPast(long seen, std::chrono::milliseconds timeout) {
    return waitFor([&] { return changes() > seen; }, timeout);
}

} // namespace e2e
