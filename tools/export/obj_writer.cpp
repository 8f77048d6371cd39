// Wavefront OBJ with its MTL: each part an object of its own, its faces
// grouped by material, a material per distinct colour (a triangle's colour
// is its corners' mean, to the byte). Millimetres, z up, as the print is.

#include "tools/export/format_writers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <map>

namespace {

using Rgb = std::array<unsigned char, 3>;

Rgb triangleColour(const Solid& part, std::size_t t) {
    if (t >= part.cornerColours.size())
        return {204, 204, 204};
    const auto& c = part.cornerColours[t];
    const Vec3 mean = (1.0 / 3.0) * (c[0] + c[1] + c[2]);
    return {colourByte(mean.x), colourByte(mean.y), colourByte(mean.z)};
}

// The shortest text a float reads back from, so that the OBJ holds the
// same numbers as the STL.
void putNumber(std::string& out, double v) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, float(v)).ptr;
    out.push_back(' ');
    out.append(text, end);
}

// Names in OBJ end at white space.
std::string objectName(const Solid& part, std::size_t index) {
    std::string name = part.name.empty() ? "part" + std::to_string(index) : part.name;
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return c <= ' '; }, '_');
    return name;
}

std::string materialName(const Rgb& c) {
    char text[16];
    std::snprintf(text, sizeof text, "colour_%02x%02x%02x", c[0], c[1], c[2]);
    return text;
}

} // namespace

std::string objBytes(const PrintModel& model, const std::string& mtlName, std::string& mtl) {
    std::string out = "# Lembovari model, millimetres, z up\n";
    if (!mtlName.empty())
        out += "mtllib " + mtlName + "\n";
    std::map<Rgb, std::string> materials;
    std::size_t firstIndex = 1; // OBJ counts vertices from 1 across the file
    for (std::size_t p = 0; p < model.parts.size(); ++p) {
        const Solid& part = model.parts[p];
        out += "o " + objectName(part, p) + "\n";
        for (const Vec3& v : part.points) {
            out += 'v';
            putNumber(out, v.x);
            putNumber(out, v.y);
            putNumber(out, v.z);
            out += '\n';
        }
        std::map<Rgb, std::vector<std::size_t>> byColour;
        for (std::size_t t = 0; t < part.triangles.size(); ++t)
            byColour[triangleColour(part, t)].push_back(t);
        for (const auto& [colour, triangles] : byColour) {
            const std::string name = materialName(colour);
            materials.emplace(colour, name);
            out += "usemtl " + name + "\n";
            for (std::size_t t : triangles) {
                out += 'f';
                for (int corner : part.triangles[t])
                    out += ' ' + std::to_string(firstIndex + std::size_t(corner));
                out += '\n';
            }
        }
        firstIndex += part.points.size();
    }
    mtl = "# Lembovari materials, one per colour of the model\n";
    for (const auto& [colour, name] : materials) {
        char line[96];
        std::snprintf(line, sizeof line, "Kd %.4f %.4f %.4f\n", colour[0] / 255.0,
                      colour[1] / 255.0, colour[2] / 255.0);
        mtl += "newmtl " + name + "\n" + line + "Ka 0 0 0\nKs 0 0 0\nd 1\nillum 1\n";
    }
    return out;
}
