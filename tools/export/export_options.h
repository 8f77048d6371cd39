#pragma once
// The export tool's options, read through the command line's option table
// so that --help lists exactly what it takes: the print's size and wall
// thickness in millimetres, the sampling detail, the language, --list.

#include "app/option_table.h"
#include "geom/solid.h"

#include <string>
#include <vector>

struct ExportOptions {
    PrintSettings print;  // size and thickness, millimetres
    int detail = 1;       // times finer than the screen's sampling
    std::string language; // a code of languageCodes, or empty for the first
    bool list = false;
};

constexpr double smallestPrint = 10.0; // millimetres, the longest side
constexpr double largestPrint = 1000.0;
constexpr int finestDetail = 8;

std::vector<CommandOption> exportOptionTable(ExportOptions& options);

// Why the options do not go together (a wall thicker than a quarter of the
// print), or an empty string.
std::string exportOptionsProblem(const ExportOptions& options);
