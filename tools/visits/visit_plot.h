#pragma once
// The report as one picture for the curator, drawn with cairo: visits per
// day, the distribution of holding times, and the median time spent in each
// scene with the share of visits that saw it.

#include "tools/visits/visit_statistics.h"

#include <string>

// Writes the PNG to path, whole or not at all. Answers an empty string, or
// why not in one line.
std::string drawVisitPlot(const VisitFigures& figures, const std::string& path);
