// The real program, left alone, stops drawing and sleeps; the next pointer
// motion draws again. Frames are counted as the X server's damage reports on
// the window: each buffer swap causes at least one, a program at rest none.

#include "tests/e2e/exhibit_fixture.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

namespace e2e {
namespace {

using namespace std::chrono_literals;

// Reports from a connection of its own: one each time the damaged region of
// the window stops being empty, emptied again at once.
struct FrameWatch {
    explicit FrameWatch(const ExhibitProcess& exhibit)
        : display(XOpenDisplay(exhibit.displayName().c_str())) {
        int errorBase = 0;
        if (display && XDamageQueryExtension(display, &eventBase, &errorBase))
            damage = XDamageCreate(display, exhibit.windowId(), XDamageReportNonEmpty);
    }
    ~FrameWatch() {
        if (display)
            XCloseDisplay(display);
    }
    long changes() {
        for (XSync(display, False); damage && XPending(display) > 0;) {
            XEvent event;
            XNextEvent(display, &event);
            count += event.type == eventBase + XDamageNotify;
            XDamageSubtract(display, damage, None, None);
        }
        return count;
    }
    // Whether a whole second passes with no change, before the timeout.
    bool comesToRest() {
        long seen = changes();
        auto since = std::chrono::steady_clock::now();
        return waitFor(
            [&] {
                std::this_thread::sleep_for(20ms);
                if (changes() != seen)
                    seen = count, since = std::chrono::steady_clock::now();
                return std::chrono::steady_clock::now() - since >= 1s;
            },
            15s);
    }
    Display* display;
    int eventBase = 0;
    Damage damage = 0;
    long count = 0;
};

TEST_F(ExhibitTest, LeftAloneItStopsDrawingAndTheNextMotionDrawsAgain) {
    FrameWatch frames(*exhibit);
    ASSERT_NE(frames.damage, 0u) << "the X server reports no damage";
    exhibit->moveTo(exhibit->windowWidth() + 100, exhibit->windowHeight() + 100);
    ASSERT_TRUE(frames.comesToRest()) << "the exhibit never stopped drawing";
    const long atRest = frames.changes();
    exhibit->moveTo(exhibit->windowWidth() / 2, exhibit->windowHeight() / 2);
    EXPECT_TRUE(waitFor([&] { return frames.changes() > atRest; }, 15s)) << "a motion drew nothing";
    EXPECT_TRUE(frames.comesToRest()) << "drawing went on after the motion";
}

} // namespace
} // namespace e2e
