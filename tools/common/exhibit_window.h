#pragma once
// What the snapshot, film and benchmark tools share: the exhibit's window, opened
// without the visitor's main loop, and a scene's own controls (own_controls.h).

#include "tools/common/own_controls.h"
#include "tools/snapshot/png_writer.h"

#include <string>
#include <vector>

namespace exhibit_window {
// The window's size: the exhibit's own unless a tool sets it before open.
inline int width = 800;
inline int height = 600;

// Opens the exhibit's window ("Lembovari", width by height, double buffer and
// depth buffer) on the X display and waits briefly until it is shown. GLUT
// sees no arguments but the program's name. Without a display it says so on
// standard error and ends the process with status 1.
void open(const char* programName);

// Makes keys the list of scenes (unknown keys are skipped) and its first scene
// current, with its projection, lighting and panel layout, as the exhibit's
// start-up does. The others come in through SceneManager::select.
void startScenes(const std::vector<std::string>& keys);

// The back buffer as drawn so far, rows from the top.
RgbImage readFrame();

// The glGetString of GL_RENDERER of the window's context.
std::string renderer();
} // namespace exhibit_window
