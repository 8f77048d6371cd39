#pragma once
// The exhibit's log for the technician: a few lines on standard error, which
// a systemd unit sends to the journal, never one per frame or per event.
// Under systemd each line carries its priority (sd-daemon's "<N>" prefix)
// and the journal adds the program's name; elsewhere the line starts with
// the name. The lines, as information:
//   the start line (startLine), once the first frame is on screen;
//   "idle reset: " with the visit it ended, or that there was none;
//   "end of the program: " with the visit in progress, at exit;
//   "stopping on SIGTERM" (SIGINT, SIGHUP), or "stopping on Escape" (F1 to F3);
//   that the visit log is written again, after it failed;
// and as errors:
//   a refused command line, before any window (then status 2);
//   a GL error after a frame, each kind once;
//   the X display lost, or a fatal error of GLUT's (then status 1);
//   a warning of GLUT's;
//   a visit log that cannot be opened or written, once until it can again.

#include <string>
#include <vector>

// What the start line tells.
struct StartFacts {
    std::vector<std::string> options; // the command line after the program's name
    int screenWidth = 0;
    int screenHeight = 0;
    int windowWidth = 0;
    int windowHeight = 0;
    double overlayScale = 1;
    std::string renderer;  // GL_RENDERER
    std::string glVersion; // GL_VERSION
    // The extension that granted one swap per refresh; empty when none did.
    std::string swapControl;
};

// The start line, without the program's name: version, options, sizes,
// scale, renderer and swap interval.
std::string startLine(const StartFacts& facts);

// Writes one line as information, or as an error, in a single write.
void journalNote(const std::string& line);
void journalProblem(const std::string& line);
// A refused command line's reason: an error in the journal, the program's
// own line on a terminal and on the page.
void refuseCommandLine(const std::string& reason);
