#include "scenes/moebius/strip_map.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>
#include <utility>

namespace {

using strip_map::Piece;

// Which piece covers the band point (u, v), u in [0, 1): a region number, -1
// for a black line, 0 for none. Pieces reaching past either end of the band
// continue across the seam, where v turns into 1 - v. Counts how many cover it.
int pieceAt(double u, double v, int& covering) {
    covering = 0;
    int found = 0;
    auto inside = [&](const Piece& p) {
        for (double shift : {-1.0, 0.0, 1.0}) {
            const double pu = u + shift;
            const double pv = shift == 0 ? v : 1 - v;
            if (pu > p.ua && pu < p.ub && pv > p.va && pv < p.vb)
                return true;
        }
        return false;
    };
    for (const Piece& line : strip_map::longLines)
        if (inside(line)) {
            ++covering;
            found = -1;
        }
    for (const Piece& line : strip_map::crossLines)
        if (inside(line)) {
            ++covering;
            found = -1;
        }
    for (int k = 1; k <= strip_map::regionCount; ++k) {
        const strip_map::Region& region = strip_map::regions[k - 1];
        for (int i = 0; i < region.pieceCount; ++i)
            if (inside(region.pieces[i])) {
                ++covering;
                found = k;
            }
    }
    return found;
}

// Sample grids whose points all fall off the pieces' boundaries.
constexpr int uSamples = 5000;
constexpr int vSamples = 300;

TEST(StripMap, PiecesCoverTheBandOnceEach) {
    for (int i = 0; i < uSamples; ++i)
        for (int j = 0; j < vSamples; ++j) {
            const double u = (i + 0.37) / uSamples;
            const double v = (j + 0.41) / vSamples;
            int covering = 0;
            pieceAt(u, v, covering);
            ASSERT_EQ(covering, 1) << "at u " << u << ", v " << v;
        }
}

// The point of the map: on the Moebius strip six regions can each border all
// the others. Two regions border each other where one black line is all
// that parts them.
TEST(StripMap, EveryRegionBordersEveryOther) {
    std::set<std::pair<int, int>> borders;
    auto note = [&](int a, int b) {
        if (a > 0 && b > 0 && a != b)
            borders.insert({std::min(a, b), std::max(a, b)});
    };
    auto wrapped = [](double u, double v) {
        if (u < 0)
            return std::pair{u + 1, 1 - v};
        if (u >= 1)
            return std::pair{u - 1, 1 - v};
        return std::pair{u, v};
    };
    auto regionAt = [&](double u, double v) {
        const auto [wu, wv] = wrapped(u, v);
        int covering = 0;
        return pieceAt(wu, wv, covering);
    };
    constexpr double beyond = 0.0005;
    for (const Piece& line : strip_map::longLines)
        for (int i = 0; i < uSamples; ++i) {
            const double u = (i + 0.37) / uSamples;
            note(regionAt(u, line.va - beyond), regionAt(u, line.vb + beyond));
        }
    for (const Piece& line : strip_map::crossLines)
        for (int j = 0; j < vSamples; ++j) {
            const double v = line.va + (j + 0.5) / vSamples * (line.vb - line.va);
            note(regionAt(line.ua - beyond, v), regionAt(line.ub + beyond, v));
        }
    EXPECT_EQ(borders.size(), 15u);
}

TEST(StripMap, OnlyRegionNamesSwitchAColour) {
    int states[strip_map::regionCount] = {0, 0, 0, 0, 0, 0};
    for (int name : {0, -1, 7, 0xffff, INT_MAX, INT_MIN}) {
        EXPECT_FALSE(strip_map::toggleRegion(states, name)) << name;
        for (int s : states)
            EXPECT_EQ(s, 0);
    }
    for (int n = 1; n <= strip_map::regionCount; ++n) {
        EXPECT_TRUE(strip_map::toggleRegion(states, n));
        EXPECT_EQ(states[n - 1], n);
        const strip_map::Colour& on = strip_map::stateColour(states[n - 1]);
        EXPECT_FALSE(on.r == on.g && on.g == on.b) << "region " << n << " is grey when on";
    }
    for (int n = 1; n <= strip_map::regionCount; ++n) {
        EXPECT_TRUE(strip_map::toggleRegion(states, n));
        EXPECT_EQ(states[n - 1], 0);
    }
    // A state that is no palette entry shows grey.
    for (int state : {-1, 7, INT_MAX})
        EXPECT_EQ(&strip_map::stateColour(state), &strip_map::palette[0]);
}

} // namespace
