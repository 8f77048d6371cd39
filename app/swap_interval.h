#pragma once
// The display's pace: one buffer swap per refresh of the screen, so that a
// GPU does not draw frames the screen never shows.

// Asks the current GLX context's drawable for a swap interval of one refresh
// through whichever swap-control extension the implementation offers (EXT,
// MESA or SGI, looked up at run time). Answers the extension's name, or
// nullptr when none is offered and nothing changed.
const char* askForOneSwapPerRefresh();
