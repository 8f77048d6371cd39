#include "app/exhibit_service.h"

// A page has no service manager, no signal to stop it and no X display to
// lose; the browser's console has the journal's lines.
#ifdef __EMSCRIPTEN__
void prepareService() {}
void startService(StartFacts) {}
#else

#include "app/events.h"
#include "app/service_notify.h"
#include "app/stop_signals.h"
#include "ui/overlay_scale.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xext.h>

#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

StartFacts startFacts;
bool firstFrameDrawn = false;

std::string glString(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : "unknown";
}

void reportStart() {
    // The frame is on the screen, not just queued, when READY=1 says so.
    glFinish();
    startFacts.screenWidth = glutGet(GLUT_SCREEN_WIDTH);
    startFacts.screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
    startFacts.windowWidth = windowWidth;
    startFacts.windowHeight = windowHeight;
    startFacts.overlayScale = overlayScale.factor();
    startFacts.renderer = glString(GL_RENDERER);
    startFacts.glVersion = glString(GL_VERSION);
    journalNote(startLine(startFacts));
    notifyReady();
}

// A fault that recurs every frame would otherwise fill the journal.
void reportGlErrors() {
    static std::set<GLenum> reported;
    for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError()) {
        if (!reported.insert(error).second)
            continue;
        const GLubyte* name = gluErrorString(error);
        char code[16];
        std::snprintf(code, sizeof code, "0x%04x", error);
        journalProblem(std::string("GL error ") + code + " (" +
                       (name ? reinterpret_cast<const char*>(name) : "unknown") +
                       ") after a frame; later ones of this kind are not reported");
    }
}

void onDisplayWatched() {
    onDisplay();
    if (!firstFrameDrawn) {
        firstFrameDrawn = true;
        reportStart();
    }
    reportGlErrors();
}

void stop(int signal) {
    const char* name = signal == SIGINT ? "SIGINT" : signal == SIGHUP ? "SIGHUP" : "SIGTERM";
    journalNote(std::string("stopping on ") + name);
    notifyStopping();
    std::exit(0);
}

// The close message a stop signal has the X server send; a window manager's
// own close goes on to GLUT's exit. GLUT closes the window again while the
// process exits, which must not stop it twice.
void onWindowClosed() {
    static bool stopping = false;
    const int signal = caughtStopSignal();
    if (signal == 0 || stopping)
        return;
    stopping = true;
    stop(signal);
}

// After the display is gone, closing it on the way out has the GL driver
// detach its shared memory, and Xlib would print that the extension is
// missing: the one line that says so is the journal's.
int ignoreMissingExtension(Display*, const char*, const char*) {
    return 0;
}

int onDisplayLost(Display* display) {
    journalProblem(std::string("lost the X display ") + DisplayString(display) +
                   "; ending with status 1");
    XSetExtensionErrorHandler(ignoreMissingExtension);
    std::exit(1);
}

void onGlutError(const char* format, va_list arguments) {
    char message[512];
    std::vsnprintf(message, sizeof message, format, arguments);
    journalProblem(std::string("freeglut: ") + message + "; ending with status 1");
    // GLUT goes on after its error handler returns, as if nothing happened.
    std::exit(1);
}

// A warning of GLUT's is a problem line like the others, under the
// journal's error priority rather than as GLUT's own stray text.
void onGlutWarning(const char* format, va_list arguments) {
    char message[512];
    std::vsnprintf(message, sizeof message, format, arguments);
    journalProblem(std::string("freeglut: ") + message);
}

} // namespace

void prepareService() {
    catchStopSignals();
    glutInitErrorFunc(onGlutError);
    glutInitWarningFunc(onGlutWarning);
}

void startService(StartFacts facts) {
    startFacts = std::move(facts);
    glutDisplayFunc(onDisplayWatched);
    XSetIOErrorHandler(onDisplayLost);
    startWatchdogPings();
    glutCloseFunc(onWindowClosed);
    wakeOnStopSignal(glXGetCurrentDisplay(), glXGetCurrentDrawable());
}

#endif
