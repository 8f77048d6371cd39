// lembovari-visits: the curator's report of the exhibit's visit logs, as text
// tables and, with --plot, as one picture.

#include "app/option_table.h"
#include "tools/common/one_line.h"
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
    "time, the share of visits that saw each scene and the median time spent\n"
    "in it, and the busiest hours. Lines that are not visits are counted and\n"
    "reported. Exit status: 0; 1 when a log could not be opened or the picture\n"
    "not written; 2 for a refused command line.";

struct Request {
    std::string from = "0000-00-00";
    std::string to = "9999-99-99";
    std::optional<std::string> plot;
    std::vector<std::string> logs;
};

CommandOption dateOption(std::string name, std::string meaning, std::string& date) {
    return {name, "DATE", std::move(meaning), "all", [name, &date](const std::string& text) {
                if (!isDate(text))
                    return name + " needs a date as 2026-12-01, not '" + text + "'";
                date = text;
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
        error = "--from " + request.from + " comes after --to " + request.to +
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
        LogSource source{path, 0, reading.unreadable, reading.firstUnreadableAt};
        for (const LoggedVisit& visit : reading.visits) {
            if (visit.date < request.from || visit.date > request.to)
                continue;
            visits.push_back(visit);
            ++source.visits;
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
