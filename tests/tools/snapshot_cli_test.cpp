// The real lembovari-snapshot binary, run on the X display this test runs on:
// what it says and leaves behind for good and bad command lines; and the
// benchmark's window options, which it shares.

#include "tests/support/pixels.h"
#include "tests/tools/png_reader.h"
#include "tests/tools/tool_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

class SnapshotTool : public ToolTest {
  protected:
    SnapshotTool() : ToolTest(LEMBOVARI_SNAPSHOT) {}
    std::string output(const char* name = "picture.png") const { return ToolTest::output(name); }
};

using pixels::Rgb;
const Rgb background = {9, 48, 75};

Rgb pixelAt(const RgbImage& image, int x, int y) {
    return pixels::at(image.pixels.data(), image.width, x, y);
}

// How many pixels of the box [x0, x1) by [y0, y1), rows from the top, are not colour.
int countUnlike(const RgbImage& image, int x0, int y0, int x1, int y1, Rgb colour) {
    return pixels::countUnlike({x0, y0, x1 - x0, y1 - y0}, colour, 0,
                               [&](int x, int y) { return pixelAt(image, x, y); });
}

// The columns of the model's picture: the first and last that differ from
// the background in rows clear of the overlay (60 from the top and bottom).
std::pair<int, int> modelColumns(const RgbImage& image) {
    int first = image.width, last = -1;
    for (int y = 60; y < image.height - 60; ++y)
        for (int x = 0; x < image.width; ++x)
            if (pixelAt(image, x, y) != background) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST_F(SnapshotTool, APortraitWindowShowsTheModelsAsWideAsFourToThreeDoes) {
    for (const char* key : {"KleinBottle1", "Moebius", "ring", "cubeocta"}) {
        SCOPED_TRACE(key);
        const std::string tall = output("tall.png"), wide = output("wide.png");
        ASSERT_EQ(run({"--size", "420x746", key, tall}).status, 0);
        ASSERT_EQ(run({"--size", "420x315", key, wide}).status, 0);
        const auto portrait = readPng(tall), landscape = readPng(wide);
        ASSERT_TRUE(portrait && landscape);
        const auto [left, right] = modelColumns(*portrait);
        EXPECT_GT(left, 0) << "cut off at the left";
        EXPECT_LT(right, portrait->width - 1) << "cut off at the right";
        const auto [wideLeft, wideRight] = modelColumns(*landscape);
        EXPECT_NEAR(right - left, wideRight - wideLeft, 4);
    }
}

TEST_F(SnapshotTool, BadArgumentsAreOneLineOnStandardErrorAndWriteNothing) {
    const std::string out = output();
    const std::vector<std::vector<std::string>> commandLines = {
        {},
        {"ProjectivePlane1"},
        {"--bogus", "ProjectivePlane1", out},
        {"--scale", "0.3", "ProjectivePlane1", out},
        {"NoSuchScene", out},
        {"ProjectivePlane1", out, "slider9=0.5"},
        {"ProjectivePlane1", out, "slider0"},
        {"ProjectivePlane1", out, "slider0=1.5"},
        {"ProjectivePlane1", out, "row1=4"},
        {"ProjectivePlane1", out, "slider0=half"},
        {"ProjectivePlane1", out, "slider0=0.5", "row0=9"},
        {"ProjectivePlane1", out, "slider0=0.5", "slider0=0.5"},
        {"ProjectivePlane1", out, "--size", "800x600x2"},
        {"ProjectivePlane1", out, "--overlay-scale", "9"},
        {"ProjectivePlane1", (work / "missing" / "picture.png").string()},
        {"ProjectivePlane1", work.string()},
    };
    expectEachRefused("lembovari-snapshot", commandLines);
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--scale F"), std::string::npos) << help.out;
}

class BenchTool : public ToolTest {
  protected:
    BenchTool() : ToolTest(LEMBOVARI_BENCH) {}
};

// The benchmark reads the window's size and the overlay's as the snapshot
// tool does, and says what it measured at.
TEST_F(BenchTool, TimesAtTheSizeAskedAndRefusesABadOne) {
    expectEachRefused("lembovari-bench", {{"--size", "1920x"},
                                          {"--size", "99x600", "Moebius"},
                                          {"--overlay-scale", "0.25"},
                                          {"--frames", "1", "Moebius", "--overlay-scale"}});
    const Outcome sized = run({"--frames", "2", "--size", "1000x900", "Moebius"});
    EXPECT_EQ(sized.status, 0) << sized.err;
    EXPECT_NE(sized.out.find("# 1000x900, overlay scale 1.25,"), std::string::npos) << sized.out;
    const Outcome fixed = run({"--frames", "2", "--overlay-scale", "2", "Moebius"});
    EXPECT_NE(fixed.out.find("# 800x600, overlay scale 2,"), std::string::npos) << fixed.out;
}

TEST_F(SnapshotTool, AnErrorLeavesAnEarlierPictureAlone) {
    std::ofstream(output()) << "an earlier picture";
    EXPECT_EQ(run({"ProjectivePlane1", output(), "row1=99"}).status, 2);
    EXPECT_EQ(readText(output()), "an earlier picture");
    EXPECT_EQ(written().size(), 1u);
}

TEST_F(SnapshotTool, ListsEveryRegisteredSceneWithItsControls) {
    const Outcome outcome = run({"--list"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    // In start-up order, wherever the other families put it.
    const std::string listed = "\n" + outcome.out;
    EXPECT_NE(listed.find("\nProjectivePlane1\t"), std::string::npos) << outcome.out;
    EXPECT_LT(listed.find("\nProjectivePlane1\t"), listed.find("\nProjectivePlane2\t"));
    std::istringstream lines(outcome.out);
    for (std::string line; std::getline(lines, line);)
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;
}

TEST_F(SnapshotTool, TheFirstSceneAtItsDefaultStateShowsTheModelOnTheBackground) {
    const Outcome outcome = run({"ProjectivePlane1", output()});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(written(), std::vector<std::string>{"picture.png"});
    const auto image = readPng(output());
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, 800);
    ASSERT_EQ(image->height, 600);
    // The controls keep clear of the corners.
    for (int x0 : {0, 790})
        for (int y0 : {0, 590})
            EXPECT_EQ(countUnlike(*image, x0, y0, x0 + 10, y0 + 10, background), 0)
                << "corner at " << x0 << ", " << y0;
    // The picture is the right way up: the controls lie along the bottom edge.
    EXPECT_EQ(countUnlike(*image, 0, 0, 800, 40, background), 0);
    EXPECT_GT(countUnlike(*image, 100, 560, 700, 600, background), 100);
    // The band is round with a hole, so not every pixel of the middle third
    // shows it, but a good share does.
    const int middle = countUnlike(*image, 267, 200, 533, 400, background);
    EXPECT_GT(middle, 266 * 200 / 10);
}

TEST_F(SnapshotTool, SettingsChangeThePictureAndScaleShrinksIt) {
    ASSERT_EQ(run({"ProjectivePlane1", output("default.png")}).status, 0);
    const Outcome outcome = run(
        {"ProjectivePlane1", output("set.png"), "row0=2", "row1=3", "dial0=-2.5", "slider0=0.5"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    ASSERT_EQ(run({"ProjectivePlane1", output("small.png"), "--scale", "1/2"}).status, 0);

    const auto plain = readPng(output("default.png"));
    const auto set = readPng(output("set.png"));
    const auto small = readPng(output("small.png"));
    ASSERT_TRUE(plain && set && small);
    int changed = 0;
    for (int y = 150; y < 450; ++y)
        for (int x = 200; x < 600; ++x)
            changed += pixelAt(*plain, x, y) != pixelAt(*set, x, y);
    EXPECT_GT(changed, 400 * 300 / 10);

    EXPECT_EQ(small->width, 400);
    EXPECT_EQ(small->height, 300);
    EXPECT_EQ(pixelAt(*small, 0, 0), background);
    EXPECT_EQ(written().size(), 3u);
}

// Every still of README's gallery, drawn again with the settings its title
// gives, is the picture committed in docs/gallery: without options the
// exhibit draws what it always drew. The wheels scene's pictures with wheels
// are left out, since its wheels roll with the clock. The software renderer
// may round a channel another way on another processor, so a channel may be
// off by a level or two; a moved control or a changed model is hundreds of
// pixels.
TEST_F(SnapshotTool, TheGalleryIsDrawnAgainAsItWasCommitted) {
    const std::string readme = readText(LEMBOVARI_SOURCE_DIR "/README.md");
    const std::regex image(
        R"re(<img src="(docs/gallery/([A-Za-z0-9]+)-[^"]*\.png)"[^>]* title="([^"]*)">)re");
    int compared = 0, identical = 0;
    for (auto it = std::sregex_iterator(readme.begin(), readme.end(), image);
         it != std::sregex_iterator(); ++it) {
        const std::string file = (*it)[1], key = (*it)[2], title = (*it)[3];
        if (key == "Moebius2" && title != "button2=1")
            continue;
        std::vector<std::string> arguments{"--scale", "0.5", key, output()};
        std::istringstream words(title == "default" ? "" : title);
        for (std::string word; words >> word;)
            arguments.push_back(word);
        const Outcome outcome = run(arguments);
        ASSERT_EQ(outcome.status, 0) << file << ": " << outcome.err;
        const auto drawn = readPng(output());
        const auto committed = readPng(LEMBOVARI_SOURCE_DIR "/" + file);
        ASSERT_TRUE(drawn && committed) << file;
        ASSERT_EQ(drawn->width, committed->width) << file;
        ASSERT_EQ(drawn->height, committed->height) << file;
        EXPECT_LE(pixels::countDifferent(drawn->pixels, committed->pixels, 2), 20)
            << file << " is no longer the picture in the gallery";
        identical += drawn->pixels == committed->pixels;
        ++compared;
    }
    EXPECT_GE(compared, 40) << "the gallery table lost its pictures";
    std::printf("%d of %d gallery pictures drawn again byte for byte\n", identical, compared);
}

} // namespace
