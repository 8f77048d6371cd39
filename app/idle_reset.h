#pragma once
// An exhibit left alone returns to its start-up state (--idle-reset): the
// first scene of the list, every listed scene's controls and view as they
// were at start, the menu folded, the logo closed, the colour editor hidden
// and the background colour back. With --attract the first model then turns
// slowly about the vertical axis until the next input. A GLUT timer wakes the
// program at the deadline, so that this works whether or not frames are
// being drawn. Until enableIdleReset is called nothing here acts.

#include "geom/clock.h"

// Keeps every registered scene's state as it is now and starts counting.
// Needs the GLUT window; seconds and maxHoldSeconds (how long a held button
// keeps the count from running) are positive.
void enableIdleReset(int seconds, bool attract, int maxHoldSeconds);

// Every pointer, button and key event, before it is handled. Only presses
// and releases say which GLUT button changed; down is GLUT_DOWN's case. A
// key, like a press, counts as one of a visit's interactions.
void noteInput(Millis now);
void noteKey(Millis now);
void noteButton(int button, bool down, Millis now);

// Returns every registered scene to its remembered start and shows the first
// scene of the list at now, then asks for a frame.
void resetExhibit(Millis now);
