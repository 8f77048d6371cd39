// lembovari-visits: the curator's report of the exhibit's visit logs, as text
// tables and, with --plot, as one picture.

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
    "Usage: lembovari-visits [--from DATE] [--to DATE] [--plot FILE.png] LOG...\n"
    "Reads the visit logs that lembovari --visit-log writes (several exhibits,\n"
    "several months) and prints visits per day, the median and mean holding\n"
    "time, the share of visits that saw each scene and the median time spent\n"
    "in it, and the busiest hours.\n"
    "\n"
    "  --from DATE      only visits on or after DATE, as 2026-12-01 (default: all)\n"
    "  --to DATE        only visits on or before DATE (default: all)\n"
    "  --plot FILE.png  also draw visits per day, holding times and time per\n"
    "                   scene into one PNG picture (default: no picture)\n"
    "  --help           print this, and exit\n"
    "\n"
    "Lines that are not visits are counted and reported. Exit status: 0, 1 when\n"
    "a log could not be opened or the picture not written, 2 for a refused\n"
    "command line.\n";

struct Request {
    std::string from = "0000-00-00";
    std::string to = "9999-99-99";
    std::optional<std::string> plot;
    std::vector<std::string> logs;
};

// The request, or none after a one-line refusal.
std::optional<Request> readCommandLine(int argc, char** argv) {
    Request request;
    const auto refuse = [](const std::string& why) {
        printOneLine(program, why + " (see lembovari-visits --help)");
        return std::nullopt;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--from" || arg == "--to" || arg == "--plot") {
            if (i + 1 == argc)
                return refuse(arg + " needs a value");
            const std::string value = argv[++i];
            if (arg == "--plot") {
                if (value.size() < 5 || value.compare(value.size() - 4, 4, ".png") != 0)
                    return refuse("--plot needs a file name ending in .png, not '" + value + "'");
                request.plot = value;
            } else if (!isDate(value)) {
                return refuse(arg + " needs a date as 2026-12-01, not '" + value + "'");
            } else {
                (arg == "--from" ? request.from : request.to) = value;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return refuse("unknown option " + arg);
        } else {
            request.logs.push_back(arg);
        }
    }
    if (request.logs.empty())
        return refuse("needs at least one visit log");
    if (request.from > request.to)
        return refuse("--from " + request.from + " comes after --to " + request.to);
    return request;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << usage;
            return 0;
        }
    }
    const std::optional<Request> request = readCommandLine(argc, argv);
    if (!request)
        return 2;

    int status = 0;
    std::vector<LoggedVisit> visits;
    std::vector<LogSource> sources;
    for (const std::string& path : request->logs) {
        std::ifstream file(path);
        if (!file) {
            printOneLine(program, "cannot open " + path + ": " + std::strerror(errno));
            status = 1;
            continue;
        }
        const LogReading reading = readVisitLog(file);
        LogSource source{path, 0, reading.unreadable, reading.firstUnreadableAt};
        for (const LoggedVisit& visit : reading.visits) {
            if (visit.date < request->from || visit.date > request->to)
                continue;
            visits.push_back(visit);
            ++source.visits;
        }
        sources.push_back(source);
    }

    const VisitFigures figures = summarise(visits);
    std::cout << visitReport(figures, sources);
    if (request->plot) {
        const std::string problem = drawVisitPlot(figures, *request->plot);
        if (!problem.empty()) {
            printOneLine(program, problem);
            status = 1;
        }
    }
    return status;
}
