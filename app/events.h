#pragma once
// The layer between GLUT and the scenes: one handler per GLUT event, the
// element under the pointer, and the pointer samples of the current drag.
// Every event goes to the current scene of the SceneManager.

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

// Everything the display handler draws, without the buffer swap.
void renderFrame();

// True (as the exhibit runs): after each frame the idle handler stays only
// while the current scene is animating, and every event asks for one frame;
// with nothing moving the program sleeps until the next event. False: frame
// after frame whatever moves, as comparisons with the continuous way want.
extern bool drawOnDemand;
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

// Re-picks the element under pointerPoint, sending leave and enter on a change.
void updatePointerTarget();

// The pointer samples of the current or last press.
void restartSamples(Vec2 point, int time);
void appendSample(Vec2 point, int time);
// Pointer velocity at release over the last 100 ms, in overlay units per second
// (y upwards), or none when the pointer was not seen moving in that window.
std::optional<Vec2> flingVelocity(Vec2 point, int now);
// How many samples are kept (bounded however long a drag lasts).
int pointerSampleCount();
