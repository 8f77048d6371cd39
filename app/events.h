#pragma once
// The layer between GLUT and the scenes: one handler per GLUT event, the
// element under the pointer, and the pointer samples of the current drag.
// Every event goes to the current scene of the SceneManager. Each handler
// reads the clock once, and everything the event or the frame decides and
// draws happens at that one moment.

#include "geom/clock.h"
#include "geom/vec.h"

#include <optional>

class Widget;

// Window size from the last reshape event; 0 by 0 before the first one.
extern int windowWidth;
extern int windowHeight;
// Last pointer position in overlay coordinates (origin bottom-left).
extern Vec2 pointerPoint;
// The element that receives the pointer operations; nullptr when none.
// Everything it can point at lives until exit, so it never dangles.
extern Widget* pointerTarget;

// Creates nothing: installs every handler on the current GLUT window, the
// idle handler among them, so that frames follow each other until the first
// one finds nothing moving.
void installHandlers();
// Builds the scene list and gives the first scene its projection and lighting.
void initialise();

// Everything the display handler draws at now, without the buffer swap:
// the current scene brought up to now, then its model and its overlay.
void renderFrame(Millis now);

// True (as the exhibit runs): after each frame the idle handler stays only
// while the current scene is animating, and every event asks for one frame;
// with nothing moving the program sleeps until the next event. False: frame
// after frame whatever moves, as comparisons with the continuous way want.
extern bool drawOnDemand;
// Whether Escape and F1 to F3 end the program (true unless a kiosk says not).
extern bool quitKeys;
// From now on a press that moves less than pixels (window pixels, from
// where it landed) before its release is a tap: its motion reaches no one,
// and it releases where it was pressed, turning and flinging nothing. Past
// that distance the press is a drag as any other. 0, as at start: every
// motion counts.
void useTapSlop(double pixels);
// Called at every reshape before the overlay follows the new size, to
// measure the screen's fingers afresh (a page moved to a screen of another
// pixel ratio); nullptr, as at start, for nothing.
extern void (*beforeReshape)();
// Whether the idle handler is installed, asking for one frame after another.
bool drawingContinues();
void onDisplay();
void onReshape(int width, int height);
void onMouse(int button, int state, int x, int y);
void onMotion(int x, int y);
void onPassiveMotion(int x, int y);
// Asks for the next frame.
void onIdle();
void onKeyboard(unsigned char key, int x, int y);
void onSpecialKey(int key, int x, int y);

// Re-picks the element under pointerPoint at now, sending leave and enter
// on a change.
void updatePointerTarget(Millis now);

// The pointer samples of the current or last press.
void restartSamples(Vec2 point, Millis time);
void appendSample(Vec2 point, Millis time);
// Pointer velocity at release over the last 100 ms, in overlay units per second
// (y upwards), or none when the pointer was not seen moving in that window.
std::optional<Vec2> flingVelocity(Vec2 point, Millis now);
// How many samples are kept (bounded however long a drag lasts).
int pointerSampleCount();
