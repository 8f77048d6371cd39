#include "scenes/moebius/map_sheet.h"

#include "scenes/moebius/strip_map.h"

#include <algorithm>
#include <cmath>

namespace {

using strip_map::Piece;

bool contains(const Piece& p, double u, double v) {
    return p.ua <= u && u <= p.ub && p.va <= v && v <= p.vb;
}

// A point of the band in either of its two namings, (u, v) and (u ± 1, 1 - v).
bool covers(const Piece& p, double u, double v) {
    return contains(p, u, v) || contains(p, u - 1, 1 - v) || contains(p, u + 1, 1 - v);
}

Vec3 colourAt(const MoebiusStrip& strip, double u, double v) {
    for (int k = 1; k <= strip_map::regionCount; ++k) {
        const strip_map::Region& region = strip_map::regions[std::size_t(k - 1)];
        for (int i = 0; i < region.pieceCount; ++i)
            if (covers(region.pieces[std::size_t(i)], u, v)) {
                const strip_map::Colour& c = strip_map::stateColour(strip.regionState[k - 1]);
                return {c.r, c.g, c.b};
            }
    }
    return {0, 0, 0}; // the black lines between the regions
}

// Every border along the band, in [0, 1), and the steps between them that
// lie clear of a border.
std::vector<double> rowPositions(int detail) {
    std::vector<double> borders;
    auto add = [&](double u) { borders.push_back(u < 0 ? u + 1 : u >= 1 ? u - 1 : u); };
    for (const strip_map::Region& region : strip_map::regions)
        for (int i = 0; i < region.pieceCount; ++i) {
            add(region.pieces[std::size_t(i)].ua);
            add(region.pieces[std::size_t(i)].ub);
        }
    for (const Piece& line : strip_map::crossLines) {
        add(line.ua);
        add(line.ub);
    }
    std::sort(borders.begin(), borders.end());
    borders.erase(std::unique(borders.begin(), borders.end()), borders.end());
    const int steps = 256 * detail;
    // Closer than a quarter step to a border a step would make a sliver.
    const double clear = 0.25 / steps;
    std::vector<double> rows = borders;
    for (int k = 0; k < steps; ++k) {
        const double u = double(k) / steps;
        const bool nearBorder = std::any_of(borders.begin(), borders.end(), [&](double b) {
            return std::fabs(u - b) < clear || std::fabs(u - b - 1) < clear;
        });
        if (!nearBorder)
            rows.push_back(u);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

SurfaceSheet mapSheet(const MoebiusStrip& strip, int detail) {
    const int n = std::max(detail, 1);
    const double stops[] = {0, strip_map::m1, strip_map::m2, strip_map::m3, strip_map::m4, 1};
    std::vector<double> across;
    for (int k = 0; k + 1 < 6; ++k)
        for (int m = 0; m < n; ++m)
            across.push_back(((n - m) * stops[k] + m * stops[k + 1]) / n);
    across.push_back(1);

    SurfaceSheet sheet;
    sheet.name = "map";
    sheet.columns = int(across.size());
    // (u, v) and (u + 1, 1 - v) are one point: the last row meets the first
    // with the columns reversed.
    sheet.rowJoin = SeamJoin::mirrored;
    const std::vector<double> rows = rowPositions(n);
    sheet.rows = int(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const StripFrame frame = strip.stripFrame(rows[i]);
        for (double v : across)
            sheet.points.push_back(frame.centre + ((v - 0.5) * strip.width) * frame.across);
        const double u = (rows[i] + (i + 1 < rows.size() ? rows[i + 1] : 1)) / 2;
        for (std::size_t j = 0; j < across.size(); ++j) {
            const double v = j + 1 < across.size() ? (across[j] + across[j + 1]) / 2 : 1;
            sheet.cellColours.push_back(colourAt(strip, u, v));
        }
    }
    return sheet;
}
