#include "tools/movie/film_plan.h"

#include "app/option_table.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

constexpr const char* usage = "usage: lembovari-movie KEY OUT.{mp4,webp,gif} "
                              "[CONTROL=VALUE | CONTROL=FROM:TO ...] [OPTIONS]";

// Seconds from 0 (or above 0 where zero is not allowed) to 600 into seconds,
// or a reason naming the option.
std::string secondsInto(double& seconds, const std::string& option, const std::string& text,
                        bool zeroAllowed) {
    const auto number = parseWhole<double>(text);
    if (!number || !(zeroAllowed ? *number >= 0 : *number > 0) || !(*number <= longestFilmSeconds))
        return option + " " + text + ": expected seconds " + (zeroAllowed ? "from 0" : "above 0") +
               ", at most 600";
    seconds = *number;
    return "";
}

// The film's own options, then the view's, read into options.
std::vector<CommandOption> filmOptionTable(FilmOptions& options) {
    std::vector<CommandOption> table = {
        {"--seconds", "S", "the motion's length, holds not counted, at most 600", "4",
         [&options](const std::string& text) {
             return secondsInto(options.seconds, "--seconds", text, false);
         }},
        wholeNumberOption("--fps", "frames a second, 1 to 120", "30", options.fps, 1, fastestFps),
        {"--hold", "S", "still frames before and after the motion, in seconds", "0",
         [&options](const std::string& text) {
             return secondsInto(options.holdSeconds, "--hold", text, true);
         }},
        {"--turn", "DEGREES", "the view turned about the vertical axis, -3600 to 3600", "0",
         [&options](const std::string& text) {
             const auto degrees = parseWhole<double>(text);
             if (!degrees || !(std::fabs(*degrees) <= widestTurnDegrees))
                 return "--turn " + text + ": expected degrees from -3600 to 3600";
             options.turnDegrees = *degrees;
             return std::string();
         }},
        wholeNumberOption("--loop",
                          "times a WebP or GIF film plays, up to 65535, 0 for ever; MP4 has none",
                          "0", options.plays, 0, mostPlays),
        switchOption("--no-overlay", "the controls left out", "shown", options.overlay, false),
    };
    for (CommandOption& option : viewOptionTable(options.view))
        table.push_back(std::move(option));
    return table;
}

} // namespace

std::optional<FilmFormat> formatOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return std::nullopt;
    std::string extension = path.substr(dot + 1);
    for (char& c : extension)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "mp4")
        return FilmFormat::mp4;
    if (extension == "webp")
        return FilmFormat::webp;
    if (extension == "gif")
        return FilmFormat::gif;
    return std::nullopt;
}

std::optional<FilmOptions> parseFilmOptions(const std::vector<std::string>& arguments,
                                            std::string& error) {
    FilmOptions options;
    const auto read = readCommandLine(filmOptionTable(options), arguments, error);
    if (!read)
        return std::nullopt;
    if (read->help) {
        options.help = true;
        return options;
    }
    const std::vector<std::string>& words = read->words;
    if (words.size() < 2) {
        error = "needs a scene key and an output file";
        return std::nullopt;
    }
    options.key = words[0];
    options.output = words[1];
    options.settings.assign(words.begin() + 2, words.end());
    const auto format = formatOf(options.output);
    if (!format) {
        error = options.output + ": the name must end in .mp4, .webp or .gif";
        return std::nullopt;
    }
    options.format = *format;
    if (options.format == FilmFormat::mp4 && options.plays != 0) {
        error = "--loop: an MP4 film has no loop count";
        return std::nullopt;
    }
    if (options.seconds + 2 * options.holdSeconds > longestFilmSeconds) {
        error = "--seconds and twice --hold come to more than 600 seconds";
        return std::nullopt;
    }
    if (motionFrameCount(options) < 2) {
        error = "--seconds at --fps gives fewer than two frames";
        return std::nullopt;
    }
    return options;
}

std::string filmHelp() {
    FilmOptions options;
    // Measured: the spool is the frames' bytes, nothing more.
    return helpText(usage, filmOptionTable(options)) +
           "\nA GIF film holds its frames back until its palette is known, in an unnamed\n"
           "file in /tmp (whatever TMPDIR says), gone when the tool ends: 3 bytes a pixel\n"
           "of every moving frame at its written size, the holds taking no more; 6.2 MB a\n"
           "frame at 1920x1080 (3.7 GB for 20 s at 30 fps), 1.44 MB at 800x600.\n";
}

int motionFrameCount(const FilmOptions& options) {
    return int(std::lround(options.seconds * options.fps));
}

int holdFrameCount(const FilmOptions& options) {
    return int(std::lround(options.holdSeconds * options.fps));
}

double easeInOut(double t) {
    return (1 - std::cos(pi * std::clamp(t, 0.0, 1.0))) / 2;
}

double frameFraction(int frame, int frames) {
    return frames > 1 ? double(frame) / (frames - 1) : 1.0;
}

int frameMillis(int frame, int fps) {
    return int(std::lround(frame * 1000.0 / fps));
}
