#!/usr/bin/python3
"""The exhibit's page in headless Chromium (WebGL2 on SwiftShader) beside the
native snapshot tool (GL on Mesa's llvmpipe): every scene at 800 by 600, a
slider and a dial dragged, a region of the map tapped with a touch, and a
scene chosen in the menu, captions in German, each compared with the native
picture of the same state; Escape leaves the page working, a bad query
parameter (a size among them) shows the program's own message, and otherwise the console stays
free of errors and warnings.

Two software rasterisers cover the pixels along edges differently, so a
pixel differs when one of its channels differs by more than 40, and two
pictures match when at most 1% of their pixels differ (the scenes differ
in 0.03% to 0.3%, along edges). Run under an X display for the snapshot tool:

    with-xvfb /usr/bin/python3 browser_test.py BUILD_WEB_DIR LEMBOVARI_SNAPSHOT LEMBOVARI

Exit status 0 when everything matched, 1 otherwise, 77 when there is no
built page (tools/build-web makes it)."""

import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from devtools import Browser, Server, read_png, wait_for  # noqa: E402
from pixels import differing_share as differing_share_within, rgb_at  # noqa: E402

CHANNEL_TOLERANCE = 40
MATCHING_SHARE = 0.01
TIMEOUT = 30

SCENES = ["KleinBottle1", "KleinBottle3", "KleinBottle4", "KleinBottle5", "Moebius", "Moebius2",
          "Moebius3", "Moebius4", "Moebius5", "Moebius6", "ProjectivePlane1", "ProjectivePlane2",
          "ring", "tetratetra", "cubeocta", "icododeca"]


def differing_share(a, b):
    """The share of pixels of two same-sized RGB pictures that differ."""
    return differing_share_within(a, b, CHANNEL_TOLERANCE)


class PageTest:
    def __init__(self, page_dir, snapshot_tool, program):
        self.snapshot_tool = snapshot_tool
        self.program = program
        self.scratch = tempfile.mkdtemp(prefix="lembovari-browser-test-")
        self.failures = []
        self.server = Server(page_dir)
        self.browser = Browser(800, 600)

    def native(self, key, *settings, options=()):
        """The snapshot tool's picture of a scene with its controls set."""
        path = os.path.join(self.scratch, "-".join((key,) + settings + tuple(options)) + ".png")
        if not os.path.exists(path):
            subprocess.run([self.snapshot_tool, *options, key, path, *settings], check=True)
        return read_png(path)[2]

    def page(self):
        return self.browser.pixels()[2]

    def expect_match(self, what, expected):
        """Waits until the page shows expected; a failure names what and keeps both pictures."""
        last = [1.0]

        def matches():
            last[0] = differing_share(self.page(), expected)
            return last[0] <= MATCHING_SHARE
        try:
            wait_for(matches, TIMEOUT, what)
            print("ok    %-34s %.2f%% of pixels differ" % (what, 100 * last[0]))
        except TimeoutError:
            self.failures.append("%s: %.2f%% of pixels differ" % (what, 100 * last[0]))
            print("FAIL  %-34s %.2f%% of pixels differ" % (what, 100 * last[0]))
            self.browser.screenshot(os.path.join(self.scratch, what.replace(" ", "-") + ".png"))

    def page_clock_after(self, millis):
        """Waits until the page's clock has passed millis from now."""
        start = self.browser.evaluate("performance.now()")
        wait_for(lambda: self.browser.evaluate("performance.now()") > start + millis, TIMEOUT,
                 "the page's clock")

    def expect_no_frames_while_still(self):
        """Nothing moves: the page asks for no animation frame for half a second."""
        self.browser.evaluate("""window.framesAsked = 0;
            const ask = window.requestAnimationFrame;
            window.requestAnimationFrame = (f) => { ++window.framesAsked; return ask(f); };""")
        self.page_clock_after(500)
        asked = self.browser.evaluate("window.framesAsked")
        if asked:
            self.failures.append("%d frames asked for while nothing moved" % asked)
            return
        # The pointer moving over the page does ask for one.
        self.browser.mouse("mouseMoved", 400, 300)
        wait_for(lambda: self.browser.evaluate("window.framesAsked") > 0, TIMEOUT,
                 "a frame after the pointer moved")
        print("ok    %-34s" % "no frames while nothing moves")

    def scenes(self):
        self.browser.open(self.server.url + "?scenes=all&size=800x600")
        for index, key in enumerate(SCENES):
            if index == 1:
                self.expect_no_frames_while_still()
                self.browser.key("Escape")  # ends the desktop exhibit, not the page
            if index > 0:
                self.browser.key("ArrowRight")
            self.expect_match("scene " + key, self.native(key))

    def slider_and_dial(self):
        self.browser.open(self.server.url + "?scenes=Moebius&size=800x600")
        self.expect_match("Moebius before the controls", self.native("Moebius"))
        # The slider's knob at its left end, overlay (150, 20), dragged past the right end.
        self.browser.drag((150, 574), (300, 574))
        self.expect_match("slider dragged to its end", self.native("Moebius", "slider0=1"))
        # The dial centred at (250, 20) turned by a quarter of a circle about
        # it, which turns it by one radian; held still before the release,
        # so that it does not spin on.
        self.browser.mouse("mouseMoved", 235, 580)
        self.browser.mouse("mousePressed", 235, 580)
        self.browser.mouse("mouseMoved", 250, 595, pressed=True)
        self.page_clock_after(200)
        self.browser.mouse("mouseReleased", 250, 595)
        self.expect_match("dial turned by one radian",
                          self.native("Moebius", "slider0=1", "dial0=4.14159265"))

    def map_tapped(self):
        self.browser.open(self.server.url + "?scenes=Moebius6&size=800x600")
        untouched = self.native("Moebius6")
        self.expect_match("map before the tap", untouched)
        spot = grey_region_pixel(untouched)
        if spot is None:
            self.failures.append("no grey region of the map in sight")
            return
        x, y = spot
        self.browser.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=1)
        self.browser.tap(x, y)
        self.browser.send("Emulation.setTouchEmulationEnabled", enabled=False)

        def coloured():
            r, g, b = rgb_at(self.page(), 800, x, y)
            return max(abs(r - g), abs(g - b), abs(r - b)) > 30
        try:
            wait_for(coloured, TIMEOUT, "the tapped region to take its colour")
            share = differing_share(self.page(), untouched)
            print("ok    %-34s %.2f%% of pixels changed" % ("map region coloured by a tap", 100 * share))
            if share > 0.2:
                self.failures.append("the tap changed %.0f%% of the picture" % (100 * share))
        except TimeoutError as e:
            self.failures.append(str(e))

    def menu(self):
        self.browser.open(self.server.url + "?scenes=all&size=800x600")
        self.expect_match("first scene before the menu", self.native(SCENES[0]))
        closed = self.page()
        # Hovering the square at overlay (20, 20) unfolds the list of the
        # sixteen captions above it, 26 pixels a row, the first at the top.
        self.browser.mouse("mouseMoved", 20, 580)
        wait_for(lambda: differing_share(self.page(), closed) > 0.01, TIMEOUT, "the menu to unfold")
        row = SCENES.index("ProjectivePlane1")
        y = 600 - (20 + (len(SCENES) + 1 - row) * 26 + 13)
        self.browser.mouse("mouseMoved", 25, y)
        self.browser.mouse("mousePressed", 25, y)
        self.browser.mouse("mouseReleased", 25, y)
        self.browser.mouse("mouseMoved", 400, 300)
        self.expect_match("ProjectivePlane1 chosen in the menu", self.native("ProjectivePlane1"))

    def language_and_refusal(self):
        self.browser.open(self.server.url + "?scenes=all&language=de&size=800x600")
        self.expect_match("German before the menu", self.native("KleinBottle1", options=["--language", "de"]))
        self.browser.mouse("mouseMoved", 20, 580)
        self.expect_match("German captions in the menu",
                          self.native("KleinBottle1", options=["--language", "de", "--open", "menu"]))
        # The page's size is the program's --size, refused by the program's rule.
        for name, value in (("idle-reset", "2.5"), ("size", "50x600")):
            expected = subprocess.run([self.program, "--" + name, value], capture_output=True,
                                      text=True).stderr.strip()
            before = len(self.browser.errors)
            self.browser.open(self.server.url + "?%s=%s" % (name, value))
            shown = wait_for(lambda: self.browser.evaluate(
                "document.getElementById('message').textContent.trim()"), TIMEOUT, "the message")
            if shown != expected or self.browser.errors[before:] != [expected]:
                self.failures.append("refused ?%s=%s with %r, console %r; the program says %r"
                                     % (name, value, shown, self.browser.errors[before:], expected))
            else:
                print("ok    %-34s %s" % ("?%s=%s refused" % (name, value), shown))
            del self.browser.errors[before:]

    def run(self):
        started = time.monotonic()
        try:
            for step in (self.scenes, self.slider_and_dial, self.map_tapped, self.menu,
                         self.language_and_refusal):
                step()
        finally:
            self.browser.close()
            self.server.close()
        for error in self.browser.errors:
            self.failures.append("console: " + error)
        print("%d failures, %.0f s" % (len(self.failures), time.monotonic() - started))
        for failure in self.failures:
            print("  " + failure)
        if self.failures:
            print("pictures of the failures are in " + self.scratch)
        return 1 if self.failures else 0


def grey_region_pixel(rgb):
    """A pixel of light grey with grey all around it, in the window's middle."""
    def grey(x, y):
        r, g, b = rgb_at(rgb, 800, x, y)
        return r > 110 and abs(r - g) < 8 and abs(g - b) < 8
    for y in range(150, 450, 4):
        for x in range(200, 600, 4):
            if all(grey(x + dx, y + dy) for dy in range(-8, 9, 2) for dx in range(-8, 9, 2)):
                return x, y
    return None


def main():
    page_dir, snapshot_tool, program = sys.argv[1:4]
    if not os.path.exists(os.path.join(page_dir, "lembovari.wasm")):
        print("no page built in %s (tools/build-web builds it)" % page_dir)
        return 77
    return PageTest(page_dir, snapshot_tool, program).run()


if __name__ == "__main__":
    sys.exit(main())
