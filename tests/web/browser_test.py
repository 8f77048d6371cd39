#!/usr/bin/python3
"""The exhibit's page in headless Chromium (WebGL2 on SwiftShader) beside the
native snapshot tool (GL on Mesa's llvmpipe): every scene at 800 by 600, a
slider and a dial dragged, a region of the map tapped with a touch, and a
scene chosen in the menu, a tap off the menu square on a phone, captions in German (asked for, and a German browser's), a shared
link, a scene named after #, a lost and restored context and a visit with
the server gone, each compared with the native picture of the same state;
with ?export the scene downloaded as its controls stand, as STL and glTF;
Escape leaves the page working, a bad query parameter shows the program's
message in the page's words, and otherwise the console stays free of
errors and warnings.

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
        self.page_dir = page_dir
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
        # The program's refusals, worded with the page's parameters; the
        # page's size is the program's --size, refused by the program's rule.
        for query, expected in (
                ("idle-reset=2.5", "lembovari: idle-reset takes a whole number of seconds from 1 "
                 "to 86400, not '2.5' (?help lists the page's parameters)"),
                ("size=50x600", "lembovari: size=50x600: expected WIDTHxHEIGHT, each from 100 "
                 "to 8192 (?help lists the page's parameters)")):
            before = len(self.browser.errors)
            self.browser.open(self.server.url + "?" + query)
            shown = self.message()
            if shown != expected or self.browser.errors[before:] != [expected]:
                self.failures.append("refused ?%s with %r, console %r; expected %r"
                                     % (query, shown, self.browser.errors[before:], expected))
            else:
                print("ok    %-34s %s" % ("?%s refused" % query, shown))
            del self.browser.errors[before:]

    def message(self):
        return wait_for(lambda: self.browser.evaluate(
            "document.getElementById('message').textContent.trim()"), TIMEOUT, "the message")

    def links(self):
        """A shared link's tracking parameters are left out, a scene named
        after # opens with the others reachable, the address follows a step,
        and help, list and a long bad value show short text on the page."""
        self.browser.open(self.server.url + "?scenes=Moebius&size=800x600&utm_source=mail&fbclid=Iw")
        self.expect_match("shared link with utm_source", self.native("Moebius"))
        self.browser.open(self.server.url + "?scenes=all&size=800x600#ring")
        self.expect_match("#ring opens the ring", self.native("ring"))
        entries = self.browser.evaluate("history.length")
        self.browser.key("ArrowRight")
        self.expect_match("a step on from #ring", self.native("tetratetra"))
        address = self.browser.evaluate("[location.hash, history.length]")
        if address != ["#tetratetra", entries]:
            self.failures.append("after a step the address is %r, history %r" % tuple(address))
        for query, part in (("?help", "scenes=KEY,KEY"), ("?list", "ring\t"),
                            ("?scenes=" + "x" * 20000, "x" * 57 + "\u2026 (?list shows them)")):
            before = len(self.browser.errors)
            self.browser.open(self.server.url + query)
            shown = self.message()
            if part not in shown or len(shown) > 2000:
                self.failures.append("%s shows %r" % (query[:20], shown[:200]))
            del self.browser.errors[before:]
        print("ok    %-34s" % "help, list and a long value shown")

    def context_restored(self):
        """A context lost and given back draws the picture again, with the
        label's texture, and keys still step."""
        self.browser.open(self.server.url + "?scenes=KleinBottle4,Moebius&size=800x600")
        self.expect_match("label before the loss", self.native("KleinBottle4"))
        self.browser.evaluate("""window.loser = document.getElementById('canvas')
            .getContext('webgl2').getExtension('WEBGL_lose_context'); loser.loseContext()""")
        wait_for(lambda: self.browser.evaluate(
            "document.getElementById('canvas').getContext('webgl2').isContextLost()"), TIMEOUT,
            "the context to be lost")
        self.browser.evaluate("loser.restoreContext()")
        self.expect_match("label after the context came back", self.native("KleinBottle4"))
        self.browser.key("ArrowRight")
        self.expect_match("a step after the context came back", self.native("Moebius"))

    def german_browser(self):
        self.browser.prefer_languages("de-CH,de,en")
        self.browser.open(self.server.url + "?scenes=all&size=800x600")
        self.expect_match("German browser, German credits",
                          self.native("KleinBottle1", options=["--language", "de"]))
        self.browser.mouse("mouseMoved", 20, 580)
        self.expect_match("German browser, German captions",
                          self.native("KleinBottle1", options=["--language", "de", "--open", "menu"]))
        self.browser.prefer_languages("it")

    def phone(self):
        """On a 390 by 844 phone at 3x a finger 16 CSS px off the menu square's
        centre still unfolds the menu: the page's controls are 44 CSS px."""
        width, height, ratio = 390, 844, 3
        self.browser.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                          deviceScaleFactor=ratio, mobile=True)
        self.browser.open(self.server.url + "?scenes=all")
        # The overlay scale that makes the 20-unit square 44 CSS px, as the
        # page measures its millimetres.
        scale = 9 * width * ratio / (width * 9 // 44) / 20
        gold = (round(17 * scale), height * ratio - round(70 * scale))

        def menu_open():
            w, _, rgb = self.browser.pixels()[:3]
            r, g, b = rgb_at(rgb, w, *gold)
            return abs(r - 165) < 12 and abs(g - 152) < 12 and abs(b - 35) < 12
        centre = 20 * scale / ratio
        self.browser.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=1)
        self.browser.tap(centre + 16, height - centre)
        self.browser.send("Emulation.setTouchEmulationEnabled", enabled=False)
        try:
            wait_for(menu_open, TIMEOUT, "the menu to unfold under a tap off the square")
            print("ok    %-34s" % "phone: a tap off the square")
        except TimeoutError as e:
            self.failures.append(str(e))
            self.browser.screenshot(os.path.join(self.scratch, "phone.png"))
        self.browser.send("Emulation.setDeviceMetricsOverride", width=800, height=600,
                          deviceScaleFactor=1, mobile=False)

    def export(self):
        """Without ?export no button; with it, buttons under the canvas save the
        scene as its controls stand: a binary STL of 84 + 50 n bytes that a
        moved slider and a press of the wheels' add button change, and a GLB.
        On a phone they are finger-sized, in the window and off the canvas."""
        self.browser.open(self.server.url + "?scenes=Moebius&size=800x600")
        if self.browser.evaluate("document.querySelectorAll('button, #export').length"):
            self.failures.append("a download button without ?export")
        folder = tempfile.mkdtemp(prefix="downloads-", dir=self.scratch)
        self.browser.send("Browser.setDownloadBehavior", behavior="allow", downloadPath=folder)

        def saved(button, name):
            path = os.path.join(folder, name)
            if os.path.exists(path):
                os.remove(path)
            x, y = self.browser.evaluate("""(() => { const b = document.getElementById('%s');
                b.scrollIntoView(); const r = b.getBoundingClientRect();
                return [r.x + r.width / 2, r.y + r.height / 2]; })()""" % button)
            for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
                self.browser.mouse(kind, x, y)
            self.browser.evaluate("scrollTo(0, 0)")
            wait_for(lambda: os.path.exists(path) and not any(
                f.endswith(".crdownload") for f in os.listdir(folder)), TIMEOUT, name)
            with open(path, "rb") as f:
                return f.read()
        self.browser.open(self.server.url + "?scenes=Moebius&export")
        start = saved("export-stl", "Moebius.stl")
        triangles = int.from_bytes(start[80:84], "little")
        self.browser.evaluate("Module.ccall('lembovari_set_controls', null, ['string'], ['slider0=1'])")
        moved = saved("export-stl", "Moebius.stl")
        glb = saved("export-glb", "Moebius.glb")
        self.browser.open(self.server.url + "?scenes=Moebius2&size=800x600&export")
        one_wheel = saved("export-stl", "Moebius2.stl")
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.browser.mouse(kind, 100, 580)  # the add button at overlay (100, 20)
        two_wheels = saved("export-stl", "Moebius2.stl")
        if (triangles == 0 or len(start) != 84 + 50 * triangles or moved == start
                or len(two_wheels) <= len(one_wheel) or glb[:4] != b"glTF"):
            self.failures.append("downloads: STL of %d bytes for %d triangles, %s by the slider, "
                                 "%d then %d bytes for a press, GLB starting %r"
                                 % (len(start), triangles, "changed" if moved != start else
                                    "unchanged", len(one_wheel), len(two_wheels), glb[:4]))
        else:
            print("ok    %-34s %d triangles, GLB of %d bytes" % ("STL and glTF downloaded", triangles,
                                                                 len(glb)))
        self.browser.send("Emulation.setDeviceMetricsOverride", width=390, height=844,
                          deviceScaleFactor=3, mobile=True)
        self.browser.open(self.server.url + "?scenes=Moebius&export")
        misplaced = self.browser.evaluate("""[...document.querySelectorAll('#export button')]
            .map((b) => b.getBoundingClientRect()).filter((r) => r.height < 44 || r.bottom >
            innerHeight || r.top < document.getElementById('canvas').getBoundingClientRect().bottom)
            .length""")
        if misplaced:
            self.failures.append("%d download buttons small, off the window or on the canvas"
                                 % misplaced)
        self.browser.send("Emulation.setDeviceMetricsOverride", width=800, height=600,
                          deviceScaleFactor=1, mobile=False)

    def offline(self, page_dir):
        """After one visit the service worker opens the page with its server gone."""
        server = Server(page_dir)
        self.browser.open(server.url + "?scenes=Moebius&size=800x600")
        wait_for(lambda: self.browser.evaluate("!!navigator.serviceWorker.controller"), TIMEOUT,
                 "the service worker to take the page")
        server.close()
        self.browser.send("Page.reload")
        wait_for(lambda: self.browser.evaluate(
            "typeof Module !== 'undefined' && !!Module.calledRun"), TIMEOUT, "the page offline")
        self.expect_match("opened with the server gone", self.native("Moebius"))

    def run(self):
        started = time.monotonic()
        try:
            for step in (self.scenes, self.slider_and_dial, self.map_tapped, self.menu,
                         self.language_and_refusal, self.links, self.context_restored,
                         self.german_browser, self.phone, self.export,
                         lambda: self.offline(self.page_dir)):
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
