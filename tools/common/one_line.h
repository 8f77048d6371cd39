#pragma once
// How the tools report a problem: one line on standard error.

#include <string>

// Prints "program: message" and a newline on standard error, with any line
// breaks the message quotes from the command line turned into spaces.
void printOneLine(const char* program, std::string message);
