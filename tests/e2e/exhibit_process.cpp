#include "tests/e2e/exhibit_process.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Software rendering under load is slow, and the first frame also pays for
// the program's start-up.
constexpr milliseconds startTimeout{15000};
constexpr milliseconds stopTimeout{2000};

// Requests on a window that has just gone (the program quit) fail with an X
// error, and Xlib's default handler would end the test process. The callers
// see the failure in what the requests give back (no image, no window).
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

// Called in a child between fork and exec: the child dies with the test
// process, however that ends, so nothing is ever left running behind it.
void dieWithParent(pid_t parent) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) {
        _exit(127);
    }
}

std::string windowName(Display* display, Window window) {
    Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                           &remaining, &data) == Success &&
        data != nullptr) {
        name.assign(reinterpret_cast<char*>(data), count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    if (!name.empty()) {
        return name;
    }
    char* plain = nullptr;
    if (XFetchName(display, window, &plain) && plain != nullptr) {
        name = plain;
        XFree(plain);
    }
    return name;
}

// One channel of a pixel value, given the channel's mask, scaled to 0..255.
int channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1) == 0) {
        ++shift;
    }
    unsigned long top = mask >> shift;
    unsigned long value = (pixel & mask) >> shift;
    return static_cast<int>(value * 255 / top);
}

} // namespace

Picture::Picture(int width, int height, std::vector<Rgb> pixels)
    : w(width), h(height), pixels(std::move(pixels)) {}

Rgb Picture::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h) {
        return {};
    }
    return pixels[static_cast<size_t>(y) * w + x];
}

int Picture::countUnlike(Box box, Rgb colour, int tolerance) const {
    return pixels::countUnlike(box, colour, tolerance, [this](int x, int y) { return at(x, y); });
}

bool Picture::writePpm(const std::string& path) const {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    std::fprintf(file, "P6\n%d %d\n255\n", w, h);
    for (const Rgb& pixel : pixels) {
        unsigned char bytes[3] = {static_cast<unsigned char>(pixel.r),
                                  static_cast<unsigned char>(pixel.g),
                                  static_cast<unsigned char>(pixel.b)};
        std::fwrite(bytes, 1, sizeof bytes, file);
    }
    return std::fclose(file) == 0;
}

int countDifferences(const Picture& a, const Picture& b, Box box, int tolerance) {
    if (a.empty() || b.empty() || a.width() != b.width() || a.height() != b.height()) {
        return box.width * box.height;
    }
    return pixels::countDifferent(
        box, tolerance, [&](int x, int y) { return a.at(x, y); },
        [&](int x, int y) { return b.at(x, y); });
}

bool waitFor(const std::function<bool()>& condition, milliseconds timeout) {
    auto deadline = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(milliseconds(20));
    }
    return true;
}

ExhibitProcess::ExhibitProcess(const std::string& serverStarter, const std::string& program,
                               const std::string& windowTitle,
                               const std::vector<std::string>& arguments, const std::string& screen,
                               const Launch& launch) {
    XSetErrorHandler(ignoreXError);
    startServer(serverStarter, screen);
    if (started()) {
        startProgram(program, arguments, launch);
    }
    if (started()) {
        findWindow(windowTitle);
    }
    if (started()) {
        // The server's screen is black (-br), and so is the window until the
        // program draws into it.
        bool drawn = waitFor(
            [this] {
                Picture picture = capture();
                if (picture.empty()) {
                    return false;
                }
                Box whole{0, 0, picture.width(), picture.height()};
                return picture.countUnlike(whole, Rgb{}, 0) > 0;
            },
            startTimeout);
        if (!drawn) {
            fail("the window showed no frame");
        }
    }
}

ExhibitProcess::~ExhibitProcess() {
    // The connection goes before the server does: Xlib ends the process when
    // its server vanishes under an open connection.
    if (display != nullptr) {
        XCloseDisplay(display);
    }
    reap(programPid);
    stopServer();
}

void ExhibitProcess::fail(const std::string& why) {
    if (failure_.empty()) {
        failure_ = why;
    }
}

void ExhibitProcess::reap(pid_t& pid) {
    if (pid <= 0) {
        return;
    }
    kill(pid, SIGTERM);
    auto deadline = Clock::now() + stopTimeout;
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(milliseconds(10));
    }
    pid = -1;
}

void ExhibitProcess::startServer(const std::string& serverStarter, const std::string& screen) {
    // The server comes from the one script that starts every X server of the
    // tests and tools. It runs a shell that names the display on one pipe and
    // keeps the server until the other pipe closes: when this object goes,
    // or when the test process dies, however it dies.
    int names[2];
    int life[2];
    if (pipe2(names, O_CLOEXEC) != 0) {
        fail("no pipe for the X server");
        return;
    }
    if (pipe2(life, O_CLOEXEC) != 0) {
        close(names[0]);
        close(names[1]);
        fail("no pipe for the X server");
        return;
    }
    serverPid = fork();
    if (serverPid < 0) {
        for (int fd : {names[0], names[1], life[0], life[1]})
            close(fd);
        fail("could not fork the X server");
        return;
    }
    if (serverPid == 0) {
        dup2(life[0], STDIN_FILENO);
        dup2(names[1], STDOUT_FILENO);
        execl(serverStarter.c_str(), serverStarter.c_str(), "--screen", screen.c_str(), "sh", "-c",
              "echo \"$DISPLAY\"; read -r _", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(names[1]);
    close(life[0]);
    lifeline = life[1];

    std::string name;
    auto deadline = Clock::now() + startTimeout;
    while (name.empty() || name.back() != '\n') {
        auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        pollfd ready{names[0], POLLIN, 0};
        if (left <= 0 || poll(&ready, 1, static_cast<int>(left)) <= 0) {
            break;
        }
        char buffer[16];
        ssize_t got = read(names[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        name.append(buffer, static_cast<size_t>(got));
    }
    close(names[0]);
    if (name.size() < 2 || name.back() != '\n') {
        fail("the X server did not start");
        return;
    }
    name.pop_back();
    displayName_ = name;
    display = XOpenDisplay(displayName_.c_str());
    if (display == nullptr) {
        fail("could not connect to the X server on " + displayName_);
        return;
    }
    // The program must not hold our connection open after we close it.
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
}

void ExhibitProcess::stopServer() {
    if (serverPid <= 0) {
        return;
    }
    // Its script ends the server once the lifeline closes; only a script
    // that does not is ended by force.
    if (lifeline >= 0) {
        close(lifeline);
        lifeline = -1;
    }
    auto deadline = Clock::now() + stopTimeout;
    while (waitpid(serverPid, nullptr, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            reap(serverPid);
            return;
        }
        std::this_thread::sleep_for(milliseconds(10));
    }
    serverPid = -1;
}

void ExhibitProcess::startProgram(const std::string& program,
                                  const std::vector<std::string>& arguments, const Launch& launch) {
    // Built before the fork: the child only execs.
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t parent = getpid();
    programPid = fork();
    if (programPid < 0) {
        fail("could not fork " + program);
        return;
    }
    if (programPid == 0) {
        dieWithParent(parent);
        setenv("DISPLAY", displayName_.c_str(), 1);
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
        for (const std::string& entry : launch.environment)
            putenv(const_cast<char*>(entry.c_str()));
        if (!launch.standardError.empty()) {
            int file = open(launch.standardError.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            if (file >= 0) {
                dup2(file, STDERR_FILENO);
                close(file);
            }
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
}

void ExhibitProcess::findWindow(const std::string& windowTitle) {
    // No window manager runs, so the program's window is a direct child of
    // the root window.
    Window root = DefaultRootWindow(display);
    bool found = waitFor(
        [&] {
            if (waitForExit(milliseconds(0))) {
                return true;
            }
            Window rootReturn = 0;
            Window parentReturn = 0;
            Window* children = nullptr;
            unsigned count = 0;
            if (!XQueryTree(display, root, &rootReturn, &parentReturn, &children, &count)) {
                return false;
            }
            for (unsigned i = 0; i < count && window == 0; ++i) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, children[i], &attributes) &&
                    attributes.map_state == IsViewable &&
                    windowName(display, children[i]) == windowTitle) {
                    window = children[i];
                    width = attributes.width;
                    height = attributes.height;
                }
            }
            if (children != nullptr) {
                XFree(children);
            }
            return window != 0;
        },
        startTimeout);
    if (programStatus >= 0) {
        fail("the program ended at start with status " + std::to_string(programStatus));
    } else if (!found) {
        fail("no window titled \"" + windowTitle + "\" appeared");
    } else {
        // Keys go to the window whatever the pointer does.
        XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
        XSync(display, False);
        moveTo(width / 2, height / 2);
    }
}

void ExhibitProcess::queueMotion(int x, int y) {
    int screenX = 0;
    int screenY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &screenX, &screenY,
                          &child);
    XTestFakeMotionEvent(display, DefaultScreen(display), screenX, screenY, CurrentTime);
    pointerX = x;
    pointerY = y;
}

void ExhibitProcess::moveTo(int x, int y) {
    if (display == nullptr || window == 0) {
        return;
    }
    queueMotion(x, y);
    XFlush(display);
}

void ExhibitProcess::glideTo(int x, int y, int steps, milliseconds pause) {
    int fromX = pointerX;
    int fromY = pointerY;
    for (int i = 1; i <= steps; ++i) {
        std::this_thread::sleep_for(pause);
        moveTo(fromX + (x - fromX) * i / steps, fromY + (y - fromY) * i / steps);
    }
}

void ExhibitProcess::pressButton(unsigned button) {
    if (display != nullptr) {
        XTestFakeButtonEvent(display, button, True, CurrentTime);
        XFlush(display);
    }
}

void ExhibitProcess::releaseButton(unsigned button) {
    if (display != nullptr) {
        XTestFakeButtonEvent(display, button, False, CurrentTime);
        XFlush(display);
    }
}

void ExhibitProcess::clickOverlay(int x, int y) {
    // Arriving with a move first lets the element under the point see the
    // pointer come over it, as a visitor's pointer would.
    moveToOverlay(x + 1, y);
    std::this_thread::sleep_for(milliseconds(30));
    moveToOverlay(x, y);
    std::this_thread::sleep_for(milliseconds(50));
    pressButton();
    std::this_thread::sleep_for(milliseconds(50));
    releaseButton();
}

void ExhibitProcess::tapOverlay(int x, int y) {
    if (display == nullptr || window == 0) {
        return;
    }
    queueMotion(x, height - y);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

void ExhibitProcess::tapKey(KeySym key) {
    if (display == nullptr) {
        return;
    }
    KeyCode code = XKeysymToKeycode(display, key);
    if (code == 0) {
        return;
    }
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
}

Picture ExhibitProcess::capture() {
    if (display == nullptr || window == 0) {
        return {};
    }
    // X reads only what is on the screen, and the window may stick out of it
    // (without a window manager GLUT's default places it at (-1, -1)). Read
    // the part that shows; the rest stays black.
    int screenX = 0;
    int screenY = 0;
    Window child = 0;
    Window root = DefaultRootWindow(display);
    if (!XTranslateCoordinates(display, window, root, 0, 0, &screenX, &screenY, &child)) {
        return {};
    }
    int left = std::max(0, -screenX);
    int top = std::max(0, -screenY);
    int right = std::min(width, DisplayWidth(display, DefaultScreen(display)) - screenX);
    int bottom = std::min(height, DisplayHeight(display, DefaultScreen(display)) - screenY);
    if (left >= right || top >= bottom) {
        return {};
    }
    XImage* image = XGetImage(display, window, left, top, static_cast<unsigned>(right - left),
                              static_cast<unsigned>(bottom - top), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return {};
    }
    std::vector<Rgb> pixels(static_cast<size_t>(width) * height);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            unsigned long value = XGetPixel(image, x - left, y - top);
            pixels[static_cast<size_t>(y) * width + x] = {channel(value, image->red_mask),
                                                          channel(value, image->green_mask),
                                                          channel(value, image->blue_mask)};
        }
    }
    XDestroyImage(image);
    return Picture(width, height, std::move(pixels));
}

std::optional<int> ExhibitProcess::waitForExit(milliseconds timeout) {
    if (programStatus >= 0) {
        return programStatus;
    }
    if (programPid <= 0) {
        return std::nullopt;
    }
    auto deadline = Clock::now() + timeout;
    for (;;) {
        int status = 0;
        pid_t done = waitpid(programPid, &status, WNOHANG);
        if (done == programPid) {
            programPid = -1;
            programStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            // Its window is gone with it.
            window = 0;
            return programStatus;
        }
        if (done < 0 && errno != EINTR) {
            return std::nullopt;
        }
        if (Clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(milliseconds(10));
    }
}

} // namespace e2e
