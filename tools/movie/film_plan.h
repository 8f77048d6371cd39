#pragma once
// The movie tool's command line and the film it asks for, without a display:
// options, the output's format, and where every frame lies in time.

#include "tools/common/view_options.h"

#include <optional>
#include <string>
#include <vector>

enum class FilmFormat { mp4, webp, gif };

// The longest film and the fastest rate accepted: anything beyond is a typo.
constexpr double longestFilmSeconds = 600;
constexpr int fastestFps = 120;
// The widest turn accepted, either way: ten whole turns.
constexpr double widestTurnDegrees = 3600;
// The most plays a WebP or GIF file can ask for.
constexpr int mostPlays = 65535;

struct FilmOptions {
    std::string key;
    std::string output;
    FilmFormat format = FilmFormat::mp4;
    std::vector<std::string> settings; // CONTROL=VALUE and CONTROL=FROM:TO, in order
    double seconds = 4;                // the motion, holds not counted
    int fps = 30;
    double holdSeconds = 0; // still frames before and after the motion
    double turnDegrees = 0; // about the vertical axis over the motion
    int plays = 0;          // times a WebP or GIF film plays; 0 for ever
    ViewOptions view;
    bool overlay = true;
    bool help = false;
};

// The format named by the file's extension (.mp4, .webp, .gif, in any case).
std::optional<FilmFormat> formatOf(const std::string& path);

// Options may come before, between or after KEY OUT [CONTROL=... ...]. On a
// bad argument, nothing, and error says why in one line.
std::optional<FilmOptions> parseFilmOptions(const std::vector<std::string>& arguments,
                                            std::string& error);

// The usage line and every option with its default.
std::string filmHelp();

// How many frames the motion and each hold take: seconds times fps, rounded.
int motionFrameCount(const FilmOptions& options);
int holdFrameCount(const FilmOptions& options);

// 0 at 0, 1 at 1, flat at both ends and symmetric about 1/2: the share of a
// movement done at fraction t of its time, starting and stopping gently.
double easeInOut(double t);

// The share (0 to 1) of the movement shown in motion frame `frame` of
// `frames`: the first frame shows FROM, the last TO.
double frameFraction(int frame, int frames);

// The film clock's reading for motion frame `frame`, in milliseconds.
int frameMillis(int frame, int fps);
