#pragma once
// The running exhibit's visits: a VisitRecord fed with the clock, the events
// and the scene changes, ended by each idle reset and by the end of the
// program. Each ended visit is one journal line and, with a visit log, one
// line appended to it. Works only with the idle reset, whose resets end the
// visits; until startVisits is called nothing here acts.

#include "geom/clock.h"

#include <string>

// Starts recording from now (enableIdleReset calls it).
void startVisits();
// Appends each visit to the CSV file at path; a file that cannot be written
// is one journal line, now and at each visit, and the exhibit carries on.
void writeVisitsTo(const std::string& path);

// Any input; an interaction (a button press or a key).
void visitInput(Millis now);
void visitInteraction(Millis now);
// Ends the visit in progress, if any. Every idle reset is one journal line,
// with or without a visit; the end of the program is one only after a visit.
enum class VisitEnd { IdleReset, ProgramEnd };
void endVisit(VisitEnd why, Millis now);
