#include "tools/common/one_line.h"

#include <cstdio>

void printOneLine(const char* program, std::string message) {
    for (char& c : message)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::fprintf(stderr, "%s: %s\n", program, message.c_str());
}
