// The real lembovari-movie binary, run on the X display this test runs on:
// refusals, and films decoded back with FFmpeg's libraries.

#include "tests/support/pixels.h"
#include "tests/tools/movie_reader.h"
#include "tests/tools/tool_test.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {

class MovieTool : public ToolTest {
  protected:
    MovieTool() : ToolTest(LEMBOVARI_MOVIE) {}
};

// How many pixels differ by more than slack in some channel.
int differing(const RgbImage& a, const RgbImage& b, int slack = 16) {
    return pixels::countDifferent(a.pixels, b.pixels, slack);
}

TEST_F(MovieTool, BadArgumentsAreOneLineOnStandardErrorAndWriteNothing) {
    const std::string out = output("film.mp4");
    const std::vector<std::vector<std::string>> commandLines = {
        {"ProjectivePlane1", out, "--bogus"},
        {"NoSuchScene", out},
        {"ProjectivePlane1", output("film.avi")},
        {"ProjectivePlane1", out, "slider9=0:1"},
        {"ProjectivePlane1", out, "slider0=0:1.5"},
        {"Moebius2", out, "button0=0:1"},
        {"ProjectivePlane1", out, "--fps", "121"},
        {"ProjectivePlane1", out, "--turn", "1e300"},
        {"ProjectivePlane1", out, "--loop", "2"},
        {"ProjectivePlane1", out, "--scale", "1/3.5"},
        {"ProjectivePlane1", out, "slider0=0", "slider0=0:1"},
        {"ProjectivePlane1", (work / "missing" / "film.mp4").string()},
    };
    expectEachRefused("lembovari-movie", commandLines);
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--size WxH"), std::string::npos) << help.out;
}

TEST_F(MovieTool, ATwoSecondFilmDecodesBackAndTheSameCommandGivesTheSameFilm) {
    const auto film = [&](const char* name) {
        return run({"ProjectivePlane1", output(name), "slider0=0:1", "--seconds", "2", "--fps",
                    "10", "--hold", "0.5", "--turn", "40", "--scale", "0.5"});
    };
    const Outcome first = film("a.mp4");
    ASSERT_EQ(first.status, 0) << first.err;
    // Not a terminal: no progress line.
    EXPECT_EQ(first.err, "");
    ASSERT_EQ(film("b.mp4").status, 0);
    EXPECT_EQ(written(), (std::vector<std::string>{"a.mp4", "b.mp4"}));

    const auto a = readMovie(output("a.mp4"));
    const auto b = readMovie(output("b.mp4"));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->codec, "h264");
    EXPECT_EQ(a->pixelFormat, "yuv420p");
    EXPECT_EQ(a->width, 400);
    EXPECT_EQ(a->height, 300);
    // Two seconds at 10 frames a second, and half a second held at each end.
    ASSERT_EQ(a->frames.size(), 30u);
    EXPECT_LT(differing(a->frames[0], a->frames[4]), 40);
    EXPECT_LT(differing(a->frames[29], a->frames[25]), 40);
    EXPECT_GT(differing(a->frames[0], a->frames[29]), 400 * 300 / 20);
    ASSERT_EQ(b->frames.size(), a->frames.size());
    for (std::size_t i = 0; i < a->frames.size(); ++i)
        EXPECT_EQ(a->frames[i].pixels, b->frames[i].pixels) << "frame " << i;
    EXPECT_EQ(readText(output("a.mp4")), readText(output("b.mp4")));
}

// The wheels roll by the film's clock from its first frame, so the same
// command films them the same way every time.
TEST_F(MovieTool, TheWheelsRollAlikeInEveryFilmOfTheSameCommand) {
    const auto film = [&](const char* name) {
        return run({"Moebius2", output(name), "--seconds", "1", "--fps", "10", "--scale", "0.5"});
    };
    ASSERT_EQ(film("a.mp4").status, 0);
    ASSERT_EQ(film("b.mp4").status, 0);
    const auto a = readMovie(output("a.mp4"));
    ASSERT_TRUE(a);
    EXPECT_GT(differing(a->frames.front(), a->frames.back()), 100) << "the wheels do not roll";
    EXPECT_EQ(readText(output("a.mp4")), readText(output("b.mp4")));
}

// The little-endian number of `bytes` bytes at text[at], or -1 past the end.
long littleEndian(const std::string& text, std::size_t at, int bytes) {
    if (at == std::string::npos || at + bytes > text.size())
        return -1;
    long value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(text[at + i]);
    return value;
}

TEST_F(MovieTool, GifAndWebpFilmsAreWrittenAndLoopAsAsked) {
    const Outcome made =
        run({"cubeocta", output("c.gif"), "slider0=0:1", "--seconds", "1", "--fps", "8", "--size",
             "640x360", "--language", "de", "--scale", "1/4", "--no-overlay", "--loop", "2"});
    ASSERT_EQ(made.status, 0) << made.err;
    const auto gif = readMovie(output("c.gif"));
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->codec, "gif");
    EXPECT_EQ(gif->width, 160);
    EXPECT_EQ(gif->height, 90);
    // Played twice: repeated once after the first play.
    const std::string gifBytes = readText(output("c.gif"));
    const std::size_t netscape = gifBytes.find("NETSCAPE2.0");
    EXPECT_EQ(littleEndian(gifBytes, netscape + 13, 2), 1);
    ASSERT_EQ(gif->frames.size(), 8u);
    // The background is one of the palette's exact colours.
    EXPECT_EQ(std::vector<unsigned char>(gif->frames[0].pixels.begin(),
                                         gif->frames[0].pixels.begin() + 3),
              (std::vector<unsigned char>{9, 48, 75}));
    EXPECT_GT(differing(gif->frames[0], gif->frames[7]), 160 * 90 / 20);

    // FFmpeg reads no animated WebP back, so its chunks are checked instead.
    ASSERT_EQ(run({"cubeocta", output("c.webp"), "--seconds", "1", "--fps", "8"}).status, 0);
    const std::string webp = readText(output("c.webp"));
    EXPECT_EQ(webp.substr(0, 4) + webp.substr(8, 8), "RIFFWEBPVP8X");
    // ANIM: its size, the background colour, then the loop count, 0 for ever.
    EXPECT_EQ(littleEndian(webp, webp.find("ANIM") + 12, 2), 0);
    EXPECT_GT(webp.find("ANMF", webp.find("ANMF") + 1), webp.find("ANMF"));
    EXPECT_EQ(written().size(), 2u);
}

// Whichever of the three signals stops a film, the film's temporary file
// goes, an earlier film of the name stays as it was, and the process ends as
// the signal ends it.
TEST_F(MovieTool, AFilmStoppedByASignalLeavesNothingBehind) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        std::ofstream(output("film.webp")) << "an earlier film";
        const pid_t pid = start({"KleinBottle1", output("film.webp"), "slider0=0:1", "--seconds",
                                 "600", "--scale", "1/4"});
        ASSERT_GT(pid, 0);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (written().size() < 2 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_EQ(written().size(), 2u) << "no temporary file appeared";
        kill(pid, signal);
        const Outcome stopped = finish(pid, 60);
        EXPECT_EQ(stopped.status, 128 + signal) << stopped.err;
        EXPECT_EQ(written(), std::vector<std::string>{"film.webp"}) << "signal " << signal;
        EXPECT_EQ(readText(output("film.webp")), "an earlier film");
    }
}

} // namespace
