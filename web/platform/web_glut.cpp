#include "web/platform/web_glut.h"

#include "web/platform/current_context.h"
#include "web/platform/webgl_renderer.h"

#include <GL/glut.h>
#include <emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>
#include <webgl/webgl1.h>

#include <cstdio>
#include <cstring>
#include <memory>

// The page is reached through Emscripten's inline JavaScript, whose macros
// use $ names and may take no arguments.
#pragma clang diagnostic ignored "-Wdollar-in-identifier-extension"
#pragma clang diagnostic ignored "-Wgnu-zero-variadic-macro-arguments"

namespace {

struct Callbacks {
    void (*display)() = nullptr;
    void (*reshape)(int, int) = nullptr;
    void (*mouse)(int, int, int, int) = nullptr;
    void (*motion)(int, int) = nullptr;
    void (*passiveMotion)(int, int) = nullptr;
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*special)(int, int, int) = nullptr;
    void (*idle)() = nullptr;
};

Callbacks callbacks;
int canvasWidth = 800, canvasHeight = 600;
int buttonsDown = 0;
int pointerX = 0, pointerY = 0;
bool redisplayPosted = false;
bool frameRequested = false;
bool running = false;
// While the browser has taken the GPU away, nothing is drawn.
bool contextLost = false;
bool firstFrameShown = false;
double startMillis = 0;
std::unique_ptr<WebGlRenderer> renderer;

EM_BOOL onAnimationFrame(double, void*);

// The display callback's frame, with every draw it handed over drawn.
void drawFrame() {
    callbacks.display();
    currentContext().flush();
}

void requestFrame() {
    if (frameRequested || !running || contextLost)
        return;
    frameRequested = true;
    emscripten_request_animation_frame(onAnimationFrame, nullptr);
}

EM_BOOL onAnimationFrame(double, void*) {
    frameRequested = false;
    if (callbacks.idle)
        callbacks.idle();
    if (redisplayPosted && callbacks.display) {
        redisplayPosted = false;
        drawFrame();
        if (!firstFrameShown) {
            firstFrameShown = true;
            EM_ASM({
                if (Module.onFirstFrame)
                    Module.onFirstFrame();
            });
        }
    }
    if (callbacks.idle || redisplayPosted)
        requestFrame();
    return EM_FALSE;
}

struct Timer {
    void (*callback)(int);
    int value;
};

void onTimeout(void* data) {
    std::unique_ptr<Timer> timer(static_cast<Timer*>(data));
    timer->callback(timer->value);
}

EM_BOOL onContextLost(int, const void*, void*) {
    contextLost = true;
    // Answered true, so that the browser may give the context back.
    return EM_TRUE;
}

// Everything the back end had on the GPU is gone: it is built again from
// the subset's own copies (textures, retained drawings) as it draws, and the
// last picture is drawn again.
EM_BOOL onContextRestored(int, const void*, void*) {
    contextLost = false;
    renderer = std::make_unique<WebGlRenderer>();
    currentContext().setRenderer(renderer.get());
    GLint box[4] = {0, 0, canvasWidth, canvasHeight};
    glGetIntegerv(GL_VIEWPORT, box);
    glViewport(box[0], box[1], box[2], box[3]);
    glutPostRedisplay();
    return EM_TRUE;
}

void reshape() {
    emscripten_set_canvas_element_size("#canvas", canvasWidth, canvasHeight);
    if (callbacks.reshape)
        callbacks.reshape(canvasWidth, canvasHeight);
    else
        glViewport(0, 0, canvasWidth, canvasHeight);
}

} // namespace

namespace web_glut {
void setCanvasSize(int width, int height) {
    canvasWidth = width;
    canvasHeight = height;
}
} // namespace web_glut

// Takes -geometry WIDTHxHEIGHT[+X+Y] out of the arguments, as GLUT does,
// for the canvas's size; the position means nothing on a page.
void glutInit(int* argc, char** argv) {
    startMillis = emscripten_get_now();
    int kept = 0;
    for (int k = 0; k < *argc; ++k) {
        if (std::strcmp(argv[k], "-geometry") == 0 && k + 1 < *argc) {
            int width = 0, height = 0;
            if (std::sscanf(argv[k + 1], "%dx%d", &width, &height) == 2 && width > 0 && height > 0)
                web_glut::setCanvasSize(width, height);
            ++k;
            continue;
        }
        argv[kept++] = argv[k];
    }
    *argc = kept;
}
void glutInitWindowSize(int width, int height) {
    web_glut::setCanvasSize(width, height);
}
void glutInitWindowPosition(int, int) {}
void glutInitDisplayMode(unsigned int) {}

int glutCreateWindow(const char* title) {
    emscripten_set_window_title(title);
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.majorVersion = 2;
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_TRUE;
    attributes.antialias = EM_FALSE;
    // Kept after each frame, so that a picture drawn on demand can be read back.
    attributes.preserveDrawingBuffer = EM_TRUE;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context("#canvas", &attributes);
    if (context <= 0) {
        // Shown on the page in place of the canvas; nothing is ever drawn.
        std::fprintf(stderr, "lembovari: this browser offers no WebGL 2\n");
        return 1;
    }
    emscripten_webgl_make_context_current(context);
    emscripten_set_webglcontextlost_callback("#canvas", nullptr, EM_FALSE, onContextLost);
    emscripten_set_webglcontextrestored_callback("#canvas", nullptr, EM_FALSE, onContextRestored);
    renderer = std::make_unique<WebGlRenderer>();
    currentContext().setRenderer(renderer.get());
    emscripten_set_canvas_element_size("#canvas", canvasWidth, canvasHeight);
    glViewport(0, 0, canvasWidth, canvasHeight);
    return 1;
}

void glutFullScreen() {}
void glutSwapBuffers() {
    currentContext().flush();
}
void glutSetCursor(int cursor) {
    EM_ASM({ document.getElementById('canvas').style.cursor = $0 ? 'none' : 'default'; },
           cursor == GLUT_CURSOR_NONE);
}

void glutDisplayFunc(void (*f)()) {
    callbacks.display = f;
}
void glutReshapeFunc(void (*f)(int, int)) {
    callbacks.reshape = f;
}
void glutMouseFunc(void (*f)(int, int, int, int)) {
    callbacks.mouse = f;
}
void glutMotionFunc(void (*f)(int, int)) {
    callbacks.motion = f;
}
void glutPassiveMotionFunc(void (*f)(int, int)) {
    callbacks.passiveMotion = f;
}
void glutKeyboardFunc(void (*f)(unsigned char, int, int)) {
    callbacks.keyboard = f;
}
void glutSpecialFunc(void (*f)(int, int, int)) {
    callbacks.special = f;
}
void glutIdleFunc(void (*f)()) {
    callbacks.idle = f;
    if (f)
        requestFrame();
}

void glutPostRedisplay() {
    redisplayPosted = true;
    requestFrame();
}

void glutTimerFunc(unsigned int millis, void (*callback)(int), int value) {
    emscripten_set_timeout(onTimeout, millis, new Timer{callback, value});
}

int glutGet(GLenum query) {
    switch (query) {
    case GLUT_ELAPSED_TIME:
        return int(emscripten_get_now() - startMillis);
    case GLUT_WINDOW_WIDTH:
        return canvasWidth;
    case GLUT_WINDOW_HEIGHT:
        return canvasHeight;
    // The screen of a page is the browser window's inside, in device pixels.
    case GLUT_SCREEN_WIDTH:
        return EM_ASM_INT({ return Math.round(window.innerWidth * window.devicePixelRatio); });
    case GLUT_SCREEN_HEIGHT:
        return EM_ASM_INT({ return Math.round(window.innerHeight * window.devicePixelRatio); });
    // A page's millimetres are the ones at which a finger's 9 mm target is
    // 44 CSS pixels, the size a browser's guidelines give a touch target,
    // whatever the device pixel ratio; rounded down, so never less.
    case GLUT_SCREEN_WIDTH_MM:
        return EM_ASM_INT({ return Math.floor(window.innerWidth * 9 / 44); });
    case GLUT_SCREEN_HEIGHT_MM:
        return EM_ASM_INT({ return Math.floor(window.innerHeight * 9 / 44); });
    default:
        return 0;
    }
}

// Runs the first reshape and frame; the browser's event loop does the rest.
void glutMainLoop() {
    running = true;
    reshape();
    glutPostRedisplay();
}

extern "C" {

// The canvas's drawing buffer now has this size.
EMSCRIPTEN_KEEPALIVE void lembovari_resize(int width, int height) {
    if (width < 1 || height < 1 || (width == canvasWidth && height == canvasHeight))
        return;
    web_glut::setCanvasSize(width, height);
    if (running)
        reshape();
}

// kind: 0 press, 1 release, 2 motion; button as GLUT numbers it.
EMSCRIPTEN_KEEPALIVE void lembovari_pointer(int kind, int button, int x, int y) {
    if (!running)
        return;
    const bool moved = x != pointerX || y != pointerY;
    pointerX = x;
    pointerY = y;
    if (kind == 0) {
        // A touch lands without moving there first: the pointer comes to its
        // place as a mouse would have before it presses.
        if (moved && buttonsDown == 0 && callbacks.passiveMotion)
            callbacks.passiveMotion(x, y);
        buttonsDown |= 1 << button;
        if (callbacks.mouse)
            callbacks.mouse(button, GLUT_DOWN, x, y);
    } else if (kind == 1) {
        if (!(buttonsDown & (1 << button)))
            return;
        buttonsDown &= ~(1 << button);
        if (callbacks.mouse)
            callbacks.mouse(button, GLUT_UP, x, y);
    } else if (moved) {
        if (buttonsDown != 0 && callbacks.motion)
            callbacks.motion(x, y);
        else if (buttonsDown == 0 && callbacks.passiveMotion)
            callbacks.passiveMotion(x, y);
    }
}

// A character key, or with special set one of GLUT's special key numbers.
// The page runs the exhibit with --no-quit-keys, so Escape and F1 to F3,
// which end the desktop exhibit, do nothing here.
EMSCRIPTEN_KEEPALIVE void lembovari_key(int key, int special) {
    if (!running)
        return;
    if (special && callbacks.special)
        callbacks.special(key, pointerX, pointerY);
    else if (!special && callbacks.keyboard)
        callbacks.keyboard((unsigned char)key, pointerX, pointerY);
}

// Draws count frames one after another, each read back so that it has
// finished, and answers the mean milliseconds per frame: the page's
// counterpart of lembovari-bench, for measurements.
EMSCRIPTEN_KEEPALIVE double lembovari_time_frames(int count) {
    if (!running || contextLost || !callbacks.display || count < 1)
        return 0;
    unsigned char pixel[4];
    const double start = emscripten_get_now();
    for (int k = 0; k < count; ++k) {
        drawFrame();
        emscripten_glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    }
    return (emscripten_get_now() - start) / count;
}

} // extern "C"
