// Lembovari: an exhibit of topological surfaces. The scenes are static
// objects (app/exhibits.cpp) that exist before main runs.

#include "app/events.h"

#include <GL/freeglut.h>

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("Lembovari");
    installHandlers();
    initialise();
    glutMainLoop();
    return 0;
}
