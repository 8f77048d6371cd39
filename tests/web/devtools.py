"""Headless Chromium driven over the DevTools protocol, for the page's tests
and measurements: the built page served on 127.0.0.1, the canvas's pixels
read back, synthetic pointer and key events, and the console's errors.
Needs Debian's chromium and python3-websocket (run with /usr/bin/python3)."""

import base64
import functools
import http.server
import json
import os
import shutil
import struct
import subprocess
import tempfile
import threading
import time
import urllib.request
import zlib

import websocket

CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--use-angle=swiftshader",
                  "--enable-unsafe-swiftshader", "--hide-scrollbars", "--mute-audio",
                  "--no-first-run", "--remote-debugging-port=0"]


def wait_for(condition, timeout, what):
    """condition()'s first true answer, polled until timeout seconds pass."""
    deadline = time.monotonic() + timeout
    while True:
        answer = condition()
        if answer:
            return answer
        if time.monotonic() > deadline:
            raise TimeoutError("timed out waiting for " + what)
        time.sleep(0.05)


class Server:
    """A static web server for one folder on a free port of 127.0.0.1."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]

    def close(self):
        self.httpd.shutdown()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Browser:
    """One headless Chromium with one page of width by height CSS pixels."""

    def __init__(self, width=800, height=600):
        self.profile = tempfile.mkdtemp(prefix="lembovari-chromium-")
        self.process = subprocess.Popen(
            ["chromium", *CHROMIUM_FLAGS, "--user-data-dir=" + self.profile,
             "--window-size=%d,%d" % (width, height), "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        port = wait_for(lambda: os.path.exists(port_file) and open(port_file).readline().strip(),
                        30, "Chromium's DevTools port")
        targets = wait_for(lambda: self._pages(port), 30, "Chromium's page")
        self.socket = websocket.create_connection(targets[0]["webSocketDebuggerUrl"], timeout=60)
        self.next_id = 0
        self.errors = []
        for domain in ("Page", "Runtime", "Log"):
            self.send(domain + ".enable")
        self.send("Emulation.setDeviceMetricsOverride",
                  width=width, height=height, deviceScaleFactor=1, mobile=False)
        # An Italian browser, so that the page speaks the program's default language.
        self.prefer_languages("it")

    def prefer_languages(self, accept):
        """The browser's preferred languages (navigator.languages), as Accept-Language writes them."""
        agent = self.send("Browser.getVersion")["userAgent"]
        self.send("Emulation.setUserAgentOverride", userAgent=agent, acceptLanguage=accept)

    @staticmethod
    def _pages(port):
        try:
            with urllib.request.urlopen("http://127.0.0.1:%s/json/list" % port) as answer:
                return [t for t in json.load(answer) if t["type"] == "page"]
        except OSError:
            return None

    def send(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self._note(message)

    def _note(self, message):
        method, params = message.get("method"), message.get("params", {})
        if method == "Runtime.consoleAPICalled" and params["type"] in ("error", "warning"):
            self.errors.append(" ".join(str(a.get("value", a.get("description")))
                                        for a in params["args"]))
        elif method == "Runtime.exceptionThrown":
            self.errors.append(params["exceptionDetails"].get("exception", {})
                               .get("description", params["exceptionDetails"]["text"]))
        elif method == "Log.entryAdded" and params["entry"]["level"] == "error":
            self.errors.append(params["entry"]["text"])

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", expression=expression, returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError(result["exceptionDetails"]["text"])
        return result["result"].get("value")

    def open(self, url):
        self.send("Page.navigate", url=url)
        wait_for(lambda: self.evaluate("typeof Module !== 'undefined' && !!Module.calledRun"),
                 60, "the program to start")

    def pixels(self):
        """The canvas as (width, height, RGB bytes, rows from the top)."""
        answer = self.evaluate("""(() => {
            const c = document.getElementById('canvas'), gl = c.getContext('webgl2');
            const p = new Uint8Array(c.width * c.height * 4);
            gl.readPixels(0, 0, c.width, c.height, gl.RGBA, gl.UNSIGNED_BYTE, p);
            let s = '';
            for (let k = 0; k < p.length; k += 8192)
                s += String.fromCharCode.apply(null, p.subarray(k, k + 8192));
            return [c.width, c.height, btoa(s)];
        })()""")
        width, height, data = answer[0], answer[1], base64.b64decode(answer[2])
        rows = [data[(height - 1 - y) * width * 4:(height - y) * width * 4] for y in range(height)]
        rgb = bytearray()
        for row in rows:
            for x in range(width):
                rgb += row[4 * x:4 * x + 3]
        return width, height, bytes(rgb)

    def mouse(self, kind, x, y, pressed=False):
        """kind: mousePressed, mouseReleased or mouseMoved, at CSS pixel x, y."""
        self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                  buttons=1 if pressed or kind == "mousePressed" else 0, clickCount=1)

    def drag(self, start, end, steps=8):
        self.mouse("mouseMoved", *start)
        self.mouse("mousePressed", *start)
        for k in range(1, steps + 1):
            t = k / steps
            self.mouse("mouseMoved", start[0] + t * (end[0] - start[0]),
                       start[1] + t * (end[1] - start[1]), pressed=True)
        self.mouse("mouseReleased", *end)

    def tap(self, x, y):
        for kind in ("touchStart", "touchEnd"):
            points = [{"x": x, "y": y}] if kind == "touchStart" else []
            self.send("Input.dispatchTouchEvent", type=kind, touchPoints=points)

    def key(self, key):
        for kind in ("keyDown", "keyUp"):
            self.send("Input.dispatchKeyEvent", type=kind, key=key, code=key)

    def screenshot(self, path):
        data = self.send("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as out:
            out.write(base64.b64decode(data))

    def close(self):
        self.socket.close()
        self.process.terminate()
        self.process.wait(timeout=30)
        shutil.rmtree(self.profile, ignore_errors=True)


def read_png(path):
    """An 8-bit RGB or RGBA PNG as (width, height, RGB bytes, rows from the top)."""
    with open(path, "rb") as f:
        data = f.read()
    at, chunks, header = 8, [], None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks.append(body)
        at += 12 + length
    width, height, depth, colour = header[:4]
    assert depth == 8 and colour in (2, 6), "only 8-bit RGB and RGBA pictures"
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(chunks))
    stride = width * channels
    previous = bytearray(stride)
    rgb = bytearray()
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            a = row[x - channels] if x >= channels else 0
            b = previous[x]
            c = previous[x - channels] if x >= channels else 0
            if kind == 1:
                row[x] = (row[x] + a) & 255
            elif kind == 2:
                row[x] = (row[x] + b) & 255
            elif kind == 3:
                row[x] = (row[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[x] = (row[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        previous = row
        if channels == 3:
            rgb += row
        else:
            for x in range(width):
                rgb += row[4 * x:4 * x + 3]
    return width, height, bytes(rgb)
