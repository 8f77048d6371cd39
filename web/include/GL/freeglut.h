#pragma once
// The browser build's freeglut header: the program includes <GL/freeglut.h>,
// Emscripten ships its standard part as <GL/glut.h>. The functions declared
// there that the program uses are defined in web/platform.
#include <GL/glut.h>
