#pragma once
// The colours of the Moebius band's drawings, red, green, blue and opacity
// from 0 to 1, shared by the drawing and the export. Pure: no GL.

namespace strip_colours {

struct Rgba {
    double r, g, b, a;
};
constexpr Rgba seaGreen{0.2, 0.9, 0.7, 1};
constexpr Rgba blue{0.2, 0.3, 0.8, 1};
constexpr Rgba yellow{0.9, 0.9, 0.2, 1};
constexpr Rgba darkBlue{0.1, 0.1, 0.2, 1};
constexpr Rgba black{0, 0, 0, 1};
constexpr Rgba translucentSeaGreen{0.2, 0.9, 0.7, 0.5};

} // namespace strip_colours
