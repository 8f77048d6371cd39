#pragma once
// Runs the real program on a private virtual X display and drives it the way
// a visitor does: XTest pointer and key events go in, the window's pixels
// come out. Both the X server and the program end and are reaped when the
// object goes, and they end with the test process if that is killed first.
//
// Two coordinate systems appear below. Window coordinates are X's: origin at
// the top-left corner, y downwards. Overlay coordinates are the program's:
// origin at the bottom-left corner, y upwards, so the pixel row y of the
// overlay is window row height - 1 - y, while a pointer at window row r is
// seen by the program at overlay height height - r.

#include "tests/support/pixels.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

struct _XDisplay;

namespace e2e {

// X's own types, spelt out so that the X headers and their macros stay out of
// the tests: a keysym as <X11/keysym.h> names it, and a window id.
using KeySym = unsigned long;
using WindowId = unsigned long;

using pixels::Box;
using pixels::near;
using pixels::Rgb;

// A copy of the window's pixels; empty when the window could not be read.
class Picture {
  public:
    Picture() = default;
    Picture(int width, int height, std::vector<Rgb> pixels);

    bool empty() const { return pixels.empty(); }
    int width() const { return w; }
    int height() const { return h; }
    // The pixel at window coordinates (x, y); black outside the picture.
    Rgb at(int x, int y) const;
    // The pixel at overlay coordinates (x, y), the row counted from the bottom.
    Rgb atOverlay(int x, int y) const { return at(x, h - 1 - y); }
    // How many pixels of the box are not within tolerance of colour.
    int countUnlike(Box box, Rgb colour, int tolerance) const;
    // Saves the picture as a binary PPM file; answers whether that worked.
    bool writePpm(const std::string& path) const;

  private:
    int w = 0;
    int h = 0;
    std::vector<Rgb> pixels;
};

// How many pixels of the box differ by more than tolerance in some channel;
// every pixel of the box when either picture is empty or the sizes differ.
int countDifferences(const Picture& a, const Picture& b, Box box, int tolerance);

// Polls the condition every few milliseconds until it holds or the timeout
// passes; answers whether it held.
bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// What the program gets besides its arguments.
struct Launch {
    // NAME=VALUE entries added to its environment.
    std::vector<std::string> environment;
    // The file its standard error goes to; empty for the test's own.
    std::string standardError;
};

class ExhibitProcess {
  public:
    // Starts a virtual X server through serverStarter (the with-xvfb script),
    // then program on it, and waits until the program's window,
    // found by its title, is mapped and shows a first frame. The program gets
    // the arguments after its name. screen is the server's screen as Xvfb's
    // -screen option takes it.
    ExhibitProcess(const std::string& serverStarter, const std::string& program,
                   const std::string& windowTitle, const std::vector<std::string>& arguments = {},
                   const std::string& screen = "1024x768x24", const Launch& launch = {});
    ~ExhibitProcess();
    ExhibitProcess(const ExhibitProcess&) = delete;
    ExhibitProcess& operator=(const ExhibitProcess&) = delete;

    // Whether everything came up; when not, failure says what did not.
    bool started() const { return failure_.empty(); }
    const std::string& failure() const { return failure_; }

    // The program's process, to send signals to; -1 once it has ended.
    pid_t programId() const { return programPid; }

    // The X display the program runs on, and its window there.
    const std::string& displayName() const { return displayName_; }
    WindowId windowId() const { return window; }

    // The window's size as the X server reports it.
    int windowWidth() const { return width; }
    int windowHeight() const { return height; }

    // Pointer and buttons. Every call is flushed to the server at once.
    void moveTo(int x, int y);
    void moveToOverlay(int x, int y) { moveTo(x, height - y); }
    // Moves from the current pointer position to (x, y) in window coordinates
    // in the given number of equal steps, pausing between them.
    void glideTo(int x, int y, int steps, std::chrono::milliseconds pause);
    void glideToOverlay(int x, int y, int steps, std::chrono::milliseconds pause) {
        glideTo(x, height - y, steps, pause);
    }
    void pressButton(unsigned button = 1);
    void releaseButton(unsigned button = 1);
    // Moves to the point, then presses and releases there.
    void clickOverlay(int x, int y);
    // A finger's tap: the pointer jumps to the point, presses and releases,
    // all sent at once, with no hover before and no pause between.
    void tapOverlay(int x, int y);
    // Presses and releases the key that produces the keysym.
    void tapKey(KeySym key);

    // The window's current pixels; empty once the window has gone.
    Picture capture();

    // The program's exit status when it ends within the timeout (128 plus the
    // signal number when a signal ended it), none when it is still running.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

  private:
    // Sends pointer motion to (x, y) in window coordinates without flushing.
    void queueMotion(int x, int y);
    void startServer(const std::string& serverStarter, const std::string& screen);
    void stopServer();
    void startProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const Launch& launch);
    void findWindow(const std::string& windowTitle);
    void fail(const std::string& why);
    void reap(pid_t& pid);

    std::string failure_;
    pid_t serverPid = -1;
    // The write end of the pipe that keeps the server; -1 once closed.
    int lifeline = -1;
    pid_t programPid = -1;
    int programStatus = -1;
    std::string displayName_;
    _XDisplay* display = nullptr;
    WindowId window = 0;
    int width = 0;
    int height = 0;
    int pointerX = 0;
    int pointerY = 0;
};

} // namespace e2e
