// The real lembovari-movie binary, run on the X display this test runs on:
// refusals, and films decoded back with FFmpeg's libraries.

#include "tests/tools/movie_reader.h"
#include "tests/tools/tool_test.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class MovieTool : public ToolTest {
  protected:
    MovieTool() : ToolTest(LEMBOVARI_MOVIE) {}
};

// How many pixels differ by more than slack in some channel.
int differing(const RgbImage& a, const RgbImage& b, int slack = 16) {
    int count = 0;
    for (std::size_t i = 0; i + 2 < a.pixels.size(); i += 3)
        for (std::size_t c = 0; c < 3; ++c)
            if (std::abs(a.pixels[i + c] - b.pixels[i + c]) > slack) {
                ++count;
                break;
            }
    return count;
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
        {"ProjectivePlane1", (work / "missing" / "film.mp4").string()},
    };
    expectEachRefused("lembovari-movie", commandLines);
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

TEST_F(MovieTool, GifAndWebpFilmsAreWritten) {
    ASSERT_EQ(run({"cubeocta", output("c.gif"), "slider0=0:1", "--seconds", "1", "--fps", "8",
                   "--scale", "0.25", "--no-overlay"})
                  .status,
              0);
    const auto gif = readMovie(output("c.gif"));
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->codec, "gif");
    EXPECT_EQ(gif->width, 200);
    EXPECT_EQ(gif->height, 150);
    ASSERT_EQ(gif->frames.size(), 8u);
    // The background is one of the palette's exact colours.
    EXPECT_EQ(std::vector<unsigned char>(gif->frames[0].pixels.begin(),
                                         gif->frames[0].pixels.begin() + 3),
              (std::vector<unsigned char>{9, 48, 75}));
    EXPECT_GT(differing(gif->frames[0], gif->frames[7]), 200 * 150 / 20);

    // FFmpeg reads no animated WebP back, so its chunks are checked instead.
    ASSERT_EQ(run({"cubeocta", output("c.webp"), "--seconds", "1", "--fps", "8"}).status, 0);
    const std::string webp = readText(output("c.webp"));
    EXPECT_EQ(webp.substr(0, 4) + webp.substr(8, 8), "RIFFWEBPVP8X");
    EXPECT_NE(webp.find("ANIM"), std::string::npos);
    EXPECT_GT(webp.find("ANMF", webp.find("ANMF") + 1), webp.find("ANMF"));
    EXPECT_EQ(written().size(), 2u);
}

} // namespace
