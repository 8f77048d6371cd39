#pragma once
// The browser build's GLUT: the window is the page's canvas, GLUT's
// callbacks are called from the page's events, and frames are drawn on the
// browser's animation frames only while a redisplay is posted or an idle
// handler is installed, so that nothing is drawn while nothing moves.
//
// The page's script calls the exported lembovari_* functions (web_glut.cpp)
// with pointer positions in canvas pixels from the top left, as GLUT gives
// them, for the canvas's current size.

namespace web_glut {
// The canvas's drawing-buffer size before glutCreateWindow; later, through lembovari_resize.
void setCanvasSize(int width, int height);
} // namespace web_glut
