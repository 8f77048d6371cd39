#pragma once
// A fresh exhibit for every test: its own X server and its own program, so
// no test sees what an earlier one did to the scenes.

#include "tests/e2e/exhibit_process.h"
#include "tests/e2e/frame_watch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

// The exhibit's own colours as its window shows them.
constexpr Rgb background{9, 48, 75};       // the clear colour at start
constexpr Rgb controlColour{26, 204, 204}; // slider tracks, arrows, buttons at rest
constexpr Rgb dialRing{77, 102, 204};      // a dial's ring
constexpr Rgb menuGold{165, 152, 35};      // the open scene menu: gold at 80 % over the background
constexpr Rgb menuRowHovered{133, 152,
                             43}; // its row under the pointer: green at 50 % over the gold

// Many more pixels than rounding differences between two frames of the same
// picture, far fewer than a model that has moved or changed.
constexpr int changedPixels = 1500;
constexpr int stillPixels = 20;
// How far a channel may stray and still count as the same colour.
constexpr int pixelTolerance = 12;

class ExhibitTest : public ::testing::Test {
  protected:
    // The program's command line after its name: the exhibit as built unless
    // a fixture says otherwise.
    virtual std::vector<std::string> programArguments() const { return {}; }
    // The X server's screen, as Xvfb's -screen option takes it.
    virtual std::string screen() const { return "1024x768x24"; }

    void SetUp() override {
        exhibit = std::make_unique<ExhibitProcess>(LEMBOVARI_WITH_XVFB, LEMBOVARI_PROGRAM,
                                                   "Lembovari", programArguments(), screen());
        ASSERT_TRUE(exhibit->started()) << exhibit->failure();
        frames = std::make_unique<FrameWatch>(*exhibit);
        ASSERT_TRUE(frames->watching()) << "the X server reports no damage";
    }

    // What the window showed when a test failed, to look at afterwards: a
    // PPM file named after the test in the working directory.
    void TearDown() override {
        if (!HasFailure() || !exhibit || !exhibit->started()) {
            return;
        }
        Picture last = exhibit->capture();
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string path = std::string(test->test_suite_name()) + "." + test->name() + ".ppm";
        for (char& c : path) {
            c = c == '/' ? '_' : c;
        }
        if (!last.empty() && last.writePpm(path)) {
            std::cout << "The window at the end: " << path << "\n";
        }
    }

    // For input that should change nothing, or nothing that moves on: sends
    // it to the program once that is at rest, waits for a frame that answers
    // it and for the program to come to rest again. The program draws a
    // frame for every event it handles and at rest for nothing else, so the
    // picture then shows whatever the input changed. Answers whether all of
    // that happened.
    bool answered(const std::function<void()>& input) {
        if (!frames->comesToRest())
            return false;
        const long before = frames->changes();
        input();
        return frames->changesPast(before) && frames->comesToRest();
    }

    // Waits until two pictures taken a little apart agree within the box (at
    // most stillPixels pixels off by more than tolerance), that is until the
    // model has come to rest; answers the later one, or an empty picture.
    Picture waitForStillPicture(Box box,
                                std::chrono::milliseconds timeout = std::chrono::seconds(5),
                                int tolerance = 12, int stillPixels = 20) {
        Picture last = exhibit->capture();
        Picture still;
        waitFor(
            [&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
                Picture next = exhibit->capture();
                const bool same = countDifferences(last, next, box, tolerance) <= stillPixels;
                last = next;
                if (same)
                    still = next;
                return same;
            },
            timeout);
        return still;
    }

    // Whether the box keeps changing by itself: two changes of more than
    // least pixels one after the other, each awaited. A frame drawn late
    // makes one change at most, so only a moving picture makes two.
    bool keepsMoving(Box box, int least = changedPixels / 3,
                     std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
        for (int change = 0; change < 2; ++change) {
            const Picture before = exhibit->capture();
            if (!waitFor(
                    [&] {
                        return countDifferences(before, exhibit->capture(), box, pixelTolerance) >
                               least;
                    },
                    timeout))
                return false;
        }
        return true;
    }

    // Makes a quick gesture until what it flings keeps moving, a few tries
    // at most. The program measures a fling by when it handles the events, so
    // on a busy machine one gesture may reach it in a single late batch and
    // fling nothing; a visitor would simply flick again.
    bool flingUntilMoving(const std::function<void()>& gesture, Box box,
                          int least = changedPixels / 3) {
        for (int attempt = 0; attempt < 4; ++attempt) {
            gesture();
            if (keepsMoving(box, least))
                return true;
        }
        return false;
    }

    std::unique_ptr<ExhibitProcess> exhibit;
    std::unique_ptr<FrameWatch> frames;
};

// The exhibit with every registered scene in its list, in registration
// order: the Klein bottles, the Moebius strips, the projective planes, the
// ring and the polyhedra.
class AllScenesTest : public ExhibitTest {
  protected:
    std::vector<std::string> programArguments() const override { return {"--scenes", "all"}; }
};

} // namespace e2e
