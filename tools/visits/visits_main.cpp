// lembovari-visits: the curator's report of the exhibit's visit logs, as text
// tables and, with --plot, as one picture.

#include "app/option_table.h"
#include "tools/common/one_line.h"
#include "tools/visits/calendar_day.h"
#include "tools/visits/visit_log_reader.h"
#include "tools/visits/visit_plot.h"
#include "tools/visits/visit_report.h"
#include "tools/visits/visit_statistics.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

const char* const program = "lembovari-visits";

const char* const usage =
    "usage: lembovari-visits [--from DATE] [--to DATE] [--plot FILE.png] LOG...\n"
    "Reads the visit logs that lembovari --visit-log writes (several exhibits,\n"
    "several months) and prints visits per day, the median and mean holding\n"
    "time (from the first input to the last), the share of visits that saw\n"
    "each scene and the median time spent in it, and the busiest hours.\n"
    "Passers-by (no press, no key) are counted apart. Lines that are not visits\n"
    "(dates outside 1970 to 9999 and visits over a day among them) are counted\n"
    "and reported. Exit status: 0; 1 when a log could not be opened or the\n"
    "picture not written; 2 for a refused command line.";

struct Request {
    int from = 0;
    int to = lastDay;
    std::optional<std::string> plot;
    std::vector<std::string> logs;
};

CommandOption dateOption(std::string name, std::string meaning, int& day) {
    return {name, "DATE", std::move(meaning), "all", [name, &day](const std::string& text) {
                const auto read = dayNumber(text);
                if (!read)
                    return name +
                           " needs a date from 1970-01-01 to 9999-12-31 as 2026-12-01, not '" +
                           text + "'";
                day = *read;
                return std::string();
            }};
}

std::vector<CommandOption> options(Request& request) {
    return {dateOption("--from", "only visits on or after DATE, as 2026-12-01", request.from),
            dateOption("--to", "only visits on or before DATE", request.to),
            {"--plot", "FILE.png",
             "also draw visits per day, holding times and time per scene into one picture", "none",
             [&request](const std::string& file) {
                 if (file.size() < 5 || file.compare(file.size() - 4, 4, ".png") != 0)
                     return "--plot needs a file name ending in .png, not '" + file + "'";
                 request.plot = file;
                 return std::string();
             }}};
}

} // namespace

int main(int argc, char** argv) {
    Request request;
    std::string error;
    const auto read = readCommandLine(options(request), {argv + 1, argv + argc}, error);
    if (read && read->help) {
        std::cout << helpText(usage, options(request));
        return 0;
    }
    if (read && read->words.empty())
        error = "needs at least one visit log (--help lists every option)";
    else if (read && request.from > request.to)
        error = "--from " + dateText(request.from) + " comes after --to " + dateText(request.to) +
                " (--help lists every option)";
    if (!read || !error.empty()) {
        printOneLine(program, error);
        return 2;
    }
    request.logs = read->words;

    int status = 0;
    std::vector<LoggedVisit> visits;
    std::vector<LogSource> sources;
    for (const std::string& path : request.logs) {
        std::ifstream file(path);
        if (!file) {
            printOneLine(program, "cannot open " + path + ": " + std::strerror(errno));
            status = 1;
            continue;
        }
        const LogReading reading = readVisitLog(file);
        LogSource source{path, 0, 0, 0, reading.unreadable, reading.firstUnreadableAt};
        for (const LoggedVisit& visit : reading.visits) {
            if (visit.day < request.from || visit.day > request.to)
                continue;
            visits.push_back(visit);
            ++source.visits;
            source.passersBy += visit.passerBy();
            source.idleIncluded += visit.idleIncluded && !visit.passerBy();
        }
        sources.push_back(source);
    }

    const VisitFigures figures = summarise(visits);
    std::cout << visitReport(figures, sources);
    if (request.plot) {
        const std::string problem = drawVisitPlot(figures, *request.plot);
        if (!problem.empty()) {
            printOneLine(program, problem);
            status = 1;
        }
    }
    return status;
}
