#include "tools/common/one_line.h"

#include <cstdio>
#include <cstdlib>

void printOneLine(const char* program, std::string message) {
    for (char& c : message)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::fprintf(stderr, "%s: %s\n", program, message.c_str());
}

std::vector<std::string> readToolCommandLine(const char* program, const char* usage,
                                             const std::vector<CommandOption>& table, int argc,
                                             char** argv) {
    std::string error;
    const auto read = readCommandLine(table, {argv + 1, argv + argc}, error);
    if (!read) {
        printOneLine(program, error);
        std::exit(2);
    }
    if (read->help) {
        std::fputs(helpText(usage, table).c_str(), stdout);
        std::exit(0);
    }
    return read->words;
}
