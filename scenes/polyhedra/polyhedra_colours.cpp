#include "scenes/polyhedra/polyhedra_colours.h"

namespace {

int entry(const std::vector<int>& table, int i) {
    return i >= 0 && i < int(table.size()) ? table[std::size_t(i)] : -1;
}

std::vector<int> cycling(int count, int period) {
    std::vector<int> table;
    for (int k = 0; k < count; ++k)
        table.push_back(k % period);
    return table;
}

} // namespace

Vec3 paletteColour(int index) {
    static const Vec3 palette[7] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1},  {1, 1, 0},
                                    {0, 1, 1}, {1, 0, 1}, {1, 0.5, 0}};
    return index >= 0 && index < 7 ? palette[index] : Vec3{};
}

const std::vector<int>& tetrahedronFaceColours() {
    static const std::vector<int> table = {0, 1, 2, 3};
    return table;
}
const std::vector<int>& tetrahedronVertexColours() {
    static const std::vector<int> table = {0, 1, 2, 3};
    return table;
}
const std::vector<int>& cubeFaceColours() {
    static const std::vector<int> table = {0, 0, 1, 2, 1, 2};
    return table;
}
const std::vector<int>& cubeVertexColours() {
    static const std::vector<int> table = {0, 1, 1, 0, 1, 0, 0, 1};
    return table;
}
const std::vector<int>& icosahedronFaceColours() {
    static const std::vector<int> table = cycling(20, 5);
    return table;
}
const std::vector<int>& icosahedronVertexColours() {
    static const std::vector<int> table = cycling(12, 6);
    return table;
}

Vec3 blendedColour(const std::vector<int>& faceColours, const std::vector<int>& vertexColours,
                   int f, int v, double s) {
    return s * paletteColour(entry(faceColours, f)) +
           (1 - s) * paletteColour(entry(vertexColours, v));
}
