// The label: its run-length decoder never reads or writes out of bounds and
// takes only whole pictures, the encoder round-trips, the stored picture is
// the label, and the label's place on the bottle is right for any dial angle.

#include "scenes/klein/label_image.h"
#include "scenes/klein/label_layout.h"
#include "scenes/klein/stored_label.h"
#include "tools/label/run_length_encoder.h"
#include "ui/captions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes header(int width, int height) {
    return {(unsigned char)(width >> 8), (unsigned char)width, (unsigned char)(height >> 8),
            (unsigned char)height};
}

// A repeat packet of count pixels (2 to 128) of one colour.
void repeat(Bytes& b, int count, unsigned char r, unsigned char g, unsigned char bl) {
    b.insert(b.end(), {(unsigned char)(count - 1), r, g, bl});
}

// A literal packet of count pixels (1 to 128), pixel p coloured (p, p, p).
void literal(Bytes& b, int count) {
    b.push_back((unsigned char)(256 - count));
    for (int p = 0; p < count; ++p)
        b.insert(b.end(), {(unsigned char)p, (unsigned char)p, (unsigned char)p});
}

std::optional<LabelImage> decode(const Bytes& b) {
    return decodeLabelImage(b.data(), b.size());
}

TEST(LabelDecoder, DecodesEachPacketKindUpToTheImagesEnd) {
    // k = 1 (two pixels), k = 127 (128), k = 128 (128 literals), k = 255 (one).
    for (auto [pixels, make] : std::vector<std::pair<int, void (*)(Bytes&)>>{
             {2, [](Bytes& b) { repeat(b, 2, 1, 2, 3); }},
             {128, [](Bytes& b) { repeat(b, 128, 1, 2, 3); }},
             {128, [](Bytes& b) { literal(b, 128); }},
             {1, [](Bytes& b) { literal(b, 1); }},
         }) {
        SCOPED_TRACE(pixels);
        // Exactly filling the image: decoded.
        Bytes exact = header(pixels, 1);
        make(exact);
        exact.push_back(0);
        const auto image = decode(exact);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->pixels.size(), std::size_t(3 * pixels));
        // The same packet one pixel past the end of a smaller image, or an
        // image it leaves one pixel short of: refused.
        Bytes over = exact;
        over[1] = (unsigned char)(pixels - 1);
        if (pixels > 1) {
            EXPECT_FALSE(decode(over));
        }
        Bytes under = exact;
        under[1] = (unsigned char)(pixels + 1);
        EXPECT_FALSE(decode(under));
    }
    // A literal run's bytes land in order, after a repeat.
    Bytes mixed = header(3, 2);
    repeat(mixed, 3, 9, 8, 7);
    literal(mixed, 3);
    mixed.push_back(0);
    const auto image = decode(mixed);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (Bytes{9, 8, 7, 9, 8, 7, 9, 8, 7, 0, 0, 0, 1, 1, 1, 2, 2, 2}));
    // Bytes after the end byte are not part of the picture.
    mixed.insert(mixed.end(), {5, 6, 7});
    EXPECT_TRUE(decode(mixed));
}

TEST(LabelDecoder, RefusesEmptySizesMissingEndsAndEveryTruncation) {
    EXPECT_FALSE(decodeLabelImage(nullptr, 0));
    EXPECT_FALSE(decode({}));
    EXPECT_FALSE(decode({0, 1, 0}));
    for (Bytes zero : {Bytes{0, 0, 0, 1, 0}, Bytes{0, 1, 0, 0, 0}, Bytes{0, 0, 0, 0, 0}})
        EXPECT_FALSE(decode(zero));
    // A huge header is refused without reserving its 12 GB.
    Bytes huge = header(0xffff, 0xffff);
    repeat(huge, 128, 1, 1, 1);
    huge.push_back(0);
    EXPECT_FALSE(decode(huge));

    Bytes whole = header(5, 4);
    repeat(whole, 7, 10, 20, 30);
    literal(whole, 6);
    repeat(whole, 2, 1, 1, 1);
    literal(whole, 5);
    whole.push_back(0);
    ASSERT_TRUE(decode(whole));
    // Cut short at every byte, the end byte among them.
    for (std::size_t n = 0; n < whole.size(); ++n) {
        const Bytes cut(whole.begin(), whole.begin() + long(n));
        EXPECT_FALSE(decode(cut)) << n;
    }
}

Bytes randomImage(std::mt19937& random, int width, int height) {
    // Few colours and runs of every length, so that both packet kinds and
    // their longest forms come up.
    Bytes rgb;
    std::uniform_int_distribution<int> colour(0, 3), runLength(1, 300);
    while (rgb.size() < std::size_t(width) * height * 3) {
        const int c = colour(random), n = runLength(random) % (random() % 2 ? 3 : 300);
        for (int k = 0; k <= n && rgb.size() < std::size_t(width) * height * 3; ++k) {
            const bool noisy = c == 3;
            rgb.push_back((unsigned char)(noisy ? random() : 40 * c));
            rgb.push_back((unsigned char)(noisy ? random() : 80));
            rgb.push_back((unsigned char)(noisy ? random() : 200 - c));
        }
    }
    return rgb;
}

TEST(LabelEncoder, RandomImagesRoundTripExactly) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        const int width = 1 + int(random() % 300), height = 1 + int(random() % 20);
        const Bytes rgb = randomImage(random, width, height);
        const Bytes coded = encodeRunLength(width, height, rgb);
        const auto image = decode(coded);
        ASSERT_TRUE(image) << trial;
        EXPECT_EQ(image->width, width);
        EXPECT_EQ(image->height, height);
        ASSERT_EQ(image->pixels, rgb) << trial;
    }
    EXPECT_TRUE(encodeRunLength(0, 3, {}).empty());
    EXPECT_TRUE(encodeRunLength(2, 2, Bytes(11)).empty());
}

// Mutated codings of a small picture: whatever the decoder makes of them, it
// stays inside its buffers (the sanitizer build watches) and gives either
// nothing or a whole picture of the size its header says.
TEST(LabelDecoder, SurvivesAHundredThousandMutatedInputs) {
    std::mt19937 random(2024);
    const Bytes seed = encodeRunLength(23, 9, randomImage(random, 23, 9));
    const unsigned char extremes[5] = {0, 1, 127, 128, 255};
    int decoded = 0;
    Bytes input;
    for (int trial = 0; trial < 100000; ++trial) {
        input = seed;
        const int mutations = 1 + int(random() % 4);
        for (int m = 0; m < mutations; ++m) {
            const std::size_t at = input.empty() ? 0 : random() % input.size();
            switch (random() % 6) {
            case 0: // a byte changed
                if (!input.empty())
                    input[at] = (unsigned char)random();
                break;
            case 1: // a control byte's extremes
                if (!input.empty())
                    input[at] = extremes[random() % 5];
                break;
            case 2: // cut short
                input.resize(at);
                break;
            case 3: // a byte inserted
                input.insert(input.begin() + long(at), (unsigned char)random());
                break;
            case 4: // a byte removed
                if (!input.empty())
                    input.erase(input.begin() + long(at));
                break;
            default: // the header claims another size
                if (input.size() >= 4)
                    input[random() % 4] = (unsigned char)random();
                break;
            }
        }
        const auto image = decode(input);
        if (!image)
            continue;
        ++decoded;
        ASSERT_GT(image->width, 0);
        ASSERT_GT(image->height, 0);
        ASSERT_EQ(image->pixels.size(), std::size_t(image->width) * image->height * 3);
        ASSERT_EQ(image->width, input[0] << 8 | input[1]);
    }
    // Some mutations keep a valid picture (a colour byte changed, say).
    EXPECT_GT(decoded, 1000);
}

TEST(StoredLabel, IsTheFramedLabelPicture) {
    const LabelImage* label = storedLabelImage("it");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->width, 512);
    EXPECT_EQ(label->height, 512);
    auto at = [&](int x, int y) {
        const unsigned char* p = &label->pixels[(std::size_t(y) * 512 + x) * 3];
        return std::array<int, 3>{p[0], p[1], p[2]};
    };
    // Red frame at the edge, light cyan field inside it, black in the oval
    // between its lines of lettering.
    const auto frame = at(20, 256), field = at(120, 100), oval = at(160, 249);
    EXPECT_TRUE(frame[0] > 150 && frame[1] < 60 && frame[2] < 60);
    EXPECT_TRUE(field[0] > 180 && field[1] > 220 && field[2] > 220);
    EXPECT_TRUE(oval[0] < 30 && oval[1] < 30 && oval[2] < 30);
    EXPECT_EQ(storedLabelImage("it"), label) << "decoded once";
    // Exactly the Italian picture the bottle has always worn (FNV-1a of its
    // pixels).
    std::uint64_t hash = 0xcbf29ce484222325;
    for (unsigned char byte : label->pixels)
        hash = (hash ^ byte) * 0x100000001b3;
    EXPECT_EQ(hash, 0xc9b3a59a2f55ce29u);
    // Every other language has a picture of its own, of the same size and
    // the same frame; an unknown one wears the Italian.
    for (const std::string& code : languageCodes()) {
        const LabelImage* other = storedLabelImage(code);
        ASSERT_NE(other, nullptr) << code;
        EXPECT_EQ(other->pixels.size(), label->pixels.size()) << code;
        EXPECT_EQ(other == label, code == "it") << code;
        EXPECT_EQ(other->pixels[(256 * 512 + 3) * 3], label->pixels[(256 * 512 + 3) * 3]) << code;
    }
    EXPECT_EQ(storedLabelImage("pt"), label);
}

// The label's row and flip as adding or taking away whole trips one at a
// time finds them, on exact integers, for comparison.
LabelPlacement placementByLoop(std::int64_t c, int rows) {
    LabelPlacement p;
    if (c < 0) {
        while (c < 0) {
            c += rows;
            p.flipped = !p.flipped;
        }
    } else if (c >= rows) {
        p.flipped = (c / rows) % 2 == 1;
        c %= rows;
    }
    p.row = int(c);
    return p;
}

TEST(LabelPlacement, MatchesWholeTripsForAnyAngleInConstantTime) {
    // The dial at 0: rows 14 to 24; c = -1 wraps to 99, flipped.
    EXPECT_EQ(labelPlacement(0.07, 100).row, 14);
    EXPECT_FALSE(labelPlacement(0.07, 100).flipped);
    EXPECT_EQ(labelPlacement(-0.005, 100).row, 99);
    EXPECT_TRUE(labelPlacement(-0.005, 100).flipped);
    // Truncation towards zero: -0.4 rows is row 0, unflipped.
    EXPECT_EQ(labelPlacement(-0.002, 100).row, 0);
    EXPECT_FALSE(labelPlacement(-0.002, 100).flipped);

    for (std::int64_t c = -1000; c <= 1000; ++c) {
        // Half a row past c, away from zero, so that truncation lands on c.
        const double morph = (double(c) + (c < 0 ? -0.5 : 0.5)) / 200;
        const LabelPlacement byLoop = placementByLoop(c, 100), fast = labelPlacement(morph, 100);
        ASSERT_EQ(fast.row, byLoop.row) << c;
        ASSERT_EQ(fast.flipped, byLoop.flipped) << c;
    }
    // Far beyond an int's range (the dial past 1.35e8 radians, or at -1e8),
    // where the loop would run for millions of steps: its answer, worked out
    // with whole trips of exact integers. 200 morph is exact for these.
    for (double morph : {1.5e7 + 0.125, -1.5e7 - 0.125, -8e7 - 0.375, 8e7 + 0.875,
                         17592186044416.0 + 0.125, -17592186044416.0 - 0.625}) {
        const std::int64_t c = std::int64_t(200 * morph);
        const std::int64_t trips = c >= 0 ? c / 100 : -((-c + 99) / 100);
        const LabelPlacement fast = labelPlacement(morph, 100);
        EXPECT_EQ(fast.row, int(c - trips * 100)) << morph;
        EXPECT_EQ(fast.flipped, trips % 2 != 0) << morph;
    }
    // Every finite angle lands on a row; what is not finite goes to row 0.
    for (double morph : {1e300, -1e300, 1.7e308, -1.7e308})
        EXPECT_TRUE(labelPlacement(morph, 100).row >= 0 && labelPlacement(morph, 100).row < 100);
    for (double morph : {double(NAN), double(INFINITY), -double(INFINITY)}) {
        EXPECT_EQ(labelPlacement(morph, 100).row, 0);
        EXPECT_FALSE(labelPlacement(morph, 100).flipped);
    }
}

TEST(LabelLayout, LabelAndBodyCoverTheMeshOnceWhereverTheLabelIs) {
    for (int c = 0; c < 100; ++c)
        for (bool flipped : {false, true}) {
            SCOPED_TRACE(testing::Message() << c << (flipped ? " flipped" : ""));
            const LabelLayout layout = labelLayout({c, flipped});
            int covered[99][49] = {};
            int labelQuads = 0;
            auto cover = [&](const StripRun& run, bool isLabel) {
                ASSERT_TRUE(run.r0 >= 0 && run.r1 <= 99 && run.c0 >= 0 && run.c1 <= 49);
                for (int r = run.r0; r < run.r1; ++r)
                    for (int q = run.c0; q < run.c1; ++q) {
                        ++covered[r][q];
                        labelQuads += isLabel;
                    }
            };
            for (int k = 0; k < layout.labelRuns; ++k)
                cover(layout.label[k], true);
            for (int k = 0; k < layout.restRuns; ++k)
                cover(layout.rest[k], false);
            for (int r = 0; r < 99; ++r)
                for (int q = 0; q < 49; ++q)
                    ASSERT_EQ(covered[r][q], 1) << "quad " << r << ", " << q;
            // Ten rows by ten columns, less the strip lost across the seam.
            EXPECT_EQ(labelQuads, c >= 90 ? 90 : 100);
        }
}

TEST(LabelLayout, SplitsAcrossTheSeamOntoTheMirroredColumns) {
    const LabelLayout straight = labelLayout({14, false});
    ASSERT_EQ(straight.labelRuns, 1);
    const StripRun s = straight.label[0];
    EXPECT_EQ((std::array<int, 4>{s.r0, s.r1, s.c0, s.c1}), (std::array<int, 4>{14, 24, 20, 30}));
    EXPECT_EQ((std::array<double, 4>{s.t0, s.t1, s.s0, s.s1}), (std::array<double, 4>{0, 1, 1, 0}));
    const StripRun f = labelLayout({14, true}).label[0];
    EXPECT_EQ((std::array<int, 2>{f.c0, f.c1}), (std::array<int, 2>{19, 29}));
    EXPECT_EQ((std::array<double, 2>{f.s0, f.s1}), (std::array<double, 2>{0, 1}));

    // At row 95: rows 95 to 99 carry t 0 to 0.5, rows 0 to 5 carry 0.5 to 1
    // on the mirrored columns, with the horizontal coordinate reversed.
    const LabelLayout split = labelLayout({95, false});
    ASSERT_EQ(split.labelRuns, 2);
    const StripRun after = split.label[0], before = split.label[1];
    EXPECT_EQ((std::array<int, 4>{before.r0, before.r1, before.c0, before.c1}),
              (std::array<int, 4>{95, 99, 20, 30}));
    EXPECT_EQ((std::array<double, 4>{before.t0, before.t1, before.s0, before.s1}),
              (std::array<double, 4>{0, 0.5, 1, 0}));
    EXPECT_EQ((std::array<int, 4>{after.r0, after.r1, after.c0, after.c1}),
              (std::array<int, 4>{0, 5, 19, 29}));
    EXPECT_EQ(after.t1, 1);
    EXPECT_NEAR(after.t0, 0.5, 1e-15);
    EXPECT_EQ((std::array<double, 2>{after.s0, after.s1}), (std::array<double, 2>{0, 1}));
}

} // namespace
