#include "tools/movie/film_plan.h"

#include "tools/common/parse_whole.h"

#include "tools/snapshot/png_writer.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

// Checks one option's value into options; an empty string or the reason.
std::string setOption(FilmOptions& options, const std::string& option, const std::string& text) {
    const auto number = parseWhole<double>(text);
    const std::string quoted = option + " " + text + ": ";
    if (option == "--seconds") {
        if (!number || !(*number > 0 && *number <= longestFilmSeconds))
            return quoted + "expected seconds above 0, at most 600";
        options.seconds = *number;
    } else if (option == "--fps") {
        const auto fps = parseWhole<int>(text);
        if (!fps || *fps < 1 || *fps > fastestFps)
            return quoted + "expected a whole number of frames per second, 1 to 120";
        options.fps = *fps;
    } else if (option == "--hold") {
        if (!number || !(*number >= 0 && *number <= longestFilmSeconds))
            return quoted + "expected seconds, 0 to 600";
        options.holdSeconds = *number;
    } else if (option == "--turn") {
        if (!number || !std::isfinite(*number))
            return quoted + "expected degrees";
        options.turnDegrees = *number;
    } else if (option == "--scale") {
        std::string error;
        const auto factor = downscaleFor(text, error);
        if (!factor)
            return error;
        options.downscale = *factor;
    }
    return "";
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
    static const char* const valued[] = {"--seconds", "--fps", "--hold", "--turn", "--scale"};
    FilmOptions options;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            words.push_back(argument);
        } else if (argument == "--help") {
            options.help = true;
            return options;
        } else if (argument == "--no-overlay") {
            options.overlay = false;
        } else if (std::find(std::begin(valued), std::end(valued), argument) != std::end(valued)) {
            if (i + 1 == arguments.size()) {
                error = argument + " needs a value";
                return std::nullopt;
            }
            error = setOption(options, argument, arguments[++i]);
            if (!error.empty())
                return std::nullopt;
        } else {
            error = "unknown option " + argument;
            return std::nullopt;
        }
    }
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
