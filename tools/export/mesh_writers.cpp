// The choice of format, and binary STL: an 80-byte header, the count of
// triangles, then each triangle's normal, corners and a zero attribute,
// every number little-endian. STL carries no colour.

#include "tools/export/mesh_writers.h"

#include "tools/export/format_writers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

struct FormatName {
    MeshFormat format;
    const char* extension;
};

constexpr FormatName formatNames[] = {
    {MeshFormat::stl, ".stl"},
    {MeshFormat::threeMf, ".3mf"},
    {MeshFormat::obj, ".obj"},
    {MeshFormat::glb, ".glb"},
};

void putUint32(std::string& out, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        out.push_back(char((v >> (8 * k)) & 0xff));
}

void putFloat(std::string& out, double v) {
    const float f = float(v);
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    putUint32(out, bits);
}

void putVec3(std::string& out, const Vec3& v) {
    putFloat(out, v.x);
    putFloat(out, v.y);
    putFloat(out, v.z);
}

} // namespace

unsigned char colourByte(double c) {
    return (unsigned char)(std::lround(std::clamp(c, 0.0, 1.0) * 255.0));
}

std::string stlBytes(const PrintModel& model) {
    std::size_t count = 0;
    for (const Solid& part : model.parts)
        count += part.triangles.size();
    std::string out;
    out.reserve(84 + 50 * count);
    // Not starting with "solid", which would make some readers take the
    // file for ASCII STL.
    std::string header = "Lembovari binary STL, millimetres, z up";
    header.resize(80, ' ');
    out += header;
    putUint32(out, std::uint32_t(count));
    for (const Solid& part : model.parts) {
        for (const auto& t : part.triangles) {
            const Vec3& a = part.points[std::size_t(t[0])];
            const Vec3& b = part.points[std::size_t(t[1])];
            const Vec3& c = part.points[std::size_t(t[2])];
            const Vec3 n = cross(b - a, c - a);
            const double l = length(n);
            putVec3(out, l > 0 ? (1.0 / l) * n : Vec3{0, 0, 0});
            putVec3(out, a);
            putVec3(out, b);
            putVec3(out, c);
            out += std::string(2, '\0');
        }
    }
    return out;
}

std::optional<MeshFormat> formatForPath(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return std::nullopt;
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    for (const FormatName& f : formatNames)
        if (extension == f.extension)
            return f.format;
    return std::nullopt;
}

std::string formatExtensions() {
    std::string list;
    for (const FormatName& f : formatNames)
        list += (list.empty() ? "" : ", ") + std::string(f.extension);
    return list;
}

WrittenFiles writeModel(const PrintModel& model, MeshFormat format, const std::string& mtlName) {
    WrittenFiles written;
    switch (format) {
    case MeshFormat::stl:
        written.bytes = stlBytes(model);
        break;
    case MeshFormat::obj:
        written.bytes = objBytes(model, mtlName, written.mtlBytes);
        break;
    case MeshFormat::threeMf:
        written.bytes = threeMfBytes(model, written.error);
        break;
    case MeshFormat::glb:
        written.bytes = glbBytes(model, written.error);
        break;
    }
    return written;
}
