// The movie tool's command line and frame times, checked without a display.

#include "tools/movie/film_plan.h"

#include <gtest/gtest.h>

namespace {

TEST(FilmPlan, OptionsMayComeAnywhereAndTheExtensionChoosesTheFormat) {
    std::string error;
    const auto plain = parseFilmOptions({"KleinBottle1", "klein.mp4"}, error);
    ASSERT_TRUE(plain) << error;
    EXPECT_EQ(motionFrameCount(*plain), 4 * 30);
    EXPECT_EQ(holdFrameCount(*plain), 0);
    EXPECT_TRUE(plain->overlay);

    const auto o = parseFilmOptions({"--fps",
                                     "24",
                                     "Moebius",
                                     "out/strip.WebP",
                                     "slider0=0:1",
                                     "--seconds",
                                     "2.5",
                                     "dial0=1",
                                     "--turn",
                                     "-30",
                                     "--hold",
                                     "0.5",
                                     "--scale",
                                     "1/2",
                                     "--no-overlay",
                                     "--size",
                                     "1920x1080",
                                     "--language",
                                     "de",
                                     "--open",
                                     "logo",
                                     "--loop",
                                     "3"},
                                    error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->key + " " + o->output, "Moebius out/strip.WebP");
    EXPECT_EQ(o->format, FilmFormat::webp);
    EXPECT_EQ(o->settings, (std::vector<std::string>{"slider0=0:1", "dial0=1"}));
    EXPECT_EQ(o->turnDegrees, -30);
    EXPECT_EQ(o->view.downscale, 2);
    EXPECT_EQ(o->view.width * 10000 + o->view.height, 1920 * 10000 + 1080);
    EXPECT_EQ(o->view.language + " " + o->view.open, "de logo");
    EXPECT_EQ(o->plays, 3);
    EXPECT_FALSE(o->overlay);
    EXPECT_EQ(motionFrameCount(*o), 60);
    EXPECT_EQ(holdFrameCount(*o), 12);

    EXPECT_EQ(formatOf("x.y/a.GIF"), FilmFormat::gif);
    EXPECT_EQ(formatOf("a.mp4"), FilmFormat::mp4);
    for (const char* name : {"a.avi", "a", "mp4", "a.mp4/b", "a.mp4.png", "a."})
        EXPECT_FALSE(formatOf(name)) << name;
}

TEST(FilmPlan, BadCommandLinesAreRefusedNamingWhatIsWrong) {
    const struct {
        std::vector<std::string> arguments;
        const char* named;
    } cases[] = {
        {{"K"}, "needs a scene key"},
        {{"K", "a.avi"}, "a.avi"},
        {{"K", "a.mp4", "--bogus"}, "--bogus"},
        {{"K", "a.mp4", "--seconds"}, "--seconds needs"},
        {{"K", "a.mp4", "--seconds", "0"}, "--seconds 0"},
        {{"K", "a.mp4", "--seconds", "601"}, "--seconds 601"},
        {{"K", "a.mp4", "--seconds", "nan"}, "--seconds nan"},
        {{"K", "a.mp4", "--seconds", "4s"}, "--seconds 4s"},
        {{"K", "a.mp4", "--seconds", "0.01"}, "fewer than two frames"},
        {{"K", "a.mp4", "--fps", "0"}, "--fps 0"},
        {{"K", "a.mp4", "--fps", "121"}, "--fps 121"},
        {{"K", "a.mp4", "--fps", "29.97"}, "--fps 29.97"},
        {{"K", "a.mp4", "--hold", "-1"}, "--hold -1"},
        {{"K", "a.mp4", "--seconds", "500", "--hold", "60"}, "600 seconds"},
        {{"K", "a.mp4", "--turn", "inf"}, "--turn inf"},
        {{"K", "a.mp4", "--turn", "1e300"}, "--turn 1e300"},
        {{"K", "a.mp4", "--turn", "-3600.5"}, "--turn -3600.5"},
        {{"K", "a.mp4", "--scale", "0.3"}, "--scale 0.3"},
        {{"K", "a.mp4", "--scale", "2/4"}, "--scale 2/4"},
        {{"K", "a.mp4", "--scale", "1/0"}, "--scale 1/0"},
        {{"K", "a.mp4", "--scale", "1/"}, "--scale 1/"},
        {{"K", "a.mp4", "--size", "1920x"}, "--size 1920x"},
        {{"K", "a.mp4", "--size", "99x600"}, "--size 99x600"},
        {{"K", "a.mp4", "--language", "xx"}, "--language xx"},
        {{"K", "a.mp4", "--open", "door"}, "--open door"},
        {{"K", "a.gif", "--loop", "-1"}, "--loop -1"},
        {{"K", "a.mp4", "--loop", "2"}, "MP4 film has no loop count"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(parseFilmOptions(c.arguments, error)) << c.named;
        EXPECT_NE(error.find(c.named), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
    std::string error;
    parseFilmOptions({"K", "a.mp4", "--bogus"}, error);
    EXPECT_NE(error.find("--help"), std::string::npos) << error;
    for (int n : {1, 2, 4, 8}) {
        for (const std::string& scale : {"1/" + std::to_string(n), std::to_string(1.0 / n)}) {
            const auto o = parseFilmOptions({"K", "a.gif", "--scale", scale}, error);
            EXPECT_TRUE(o && o->view.downscale == n) << scale << ": " << error;
        }
    }
}

// Each option the parser takes is in the help text, with its default.
TEST(FilmPlan, TheHelpNamesEveryOptionWithItsDefault) {
    const std::string help = filmHelp();
    for (const char* option :
         {"--seconds S", "--fps N", "--hold S", "--turn DEGREES", "--loop N", "--no-overlay",
          "--scale F", "--size WxH", "--language CODE", "--open menu|logo", "--help"}) {
        const std::size_t at = help.find(std::string("\n  ") + option);
        ASSERT_NE(at, std::string::npos) << option << "\n" << help;
        const std::string line = help.substr(at + 1, help.find('\n', at + 1) - at - 1);
        EXPECT_TRUE(line.find("(default ") != std::string::npos || line.find("--help") == 2)
            << line;
    }
}

TEST(FilmPlan, TheMovementStartsAndStopsGentlyAndKeepsTheFilmsTime) {
    EXPECT_EQ(easeInOut(0), 0);
    EXPECT_EQ(easeInOut(1), 1);
    for (int i = 1; i <= 100; ++i) {
        EXPECT_GT(easeInOut(i / 100.0), easeInOut((i - 1) / 100.0)) << i;
        EXPECT_NEAR(easeInOut(i / 100.0) + easeInOut(1 - i / 100.0), 1, 1e-12) << i;
    }
    // Slow at both ends, faster than even pace in the middle.
    EXPECT_LT(easeInOut(0.05), 0.05 / 5);
    EXPECT_GT(easeInOut(0.55) - easeInOut(0.45), 0.1 * 1.5);

    EXPECT_EQ(frameFraction(0, 60), 0);
    EXPECT_EQ(frameFraction(59, 60), 1);
    // Rounded, never drifting: a second of frames is a second on the clock.
    EXPECT_EQ(frameMillis(1, 30), 33);
    EXPECT_EQ(frameMillis(2, 30), 67);
    EXPECT_EQ(frameMillis(36000, 60), 600000);
}

} // namespace
