#pragma once
// How the tools report a problem: one line on standard error.

#include <string>

// Prints "program: message" and a newline on standard error, with any line
// breaks the message quotes from the command line turned into spaces.
void printOneLine(const char* program, std::string message);

#include "app/option_table.h"

#include <vector>

// A tool's command line read against its option table: the words left after
// the options. A refused line is one line and status 2; --help prints the
// usage and every option, then ends with status 0.
std::vector<std::string> readToolCommandLine(const char* program, const char* usage,
                                             const std::vector<CommandOption>& table, int argc,
                                             char** argv);
