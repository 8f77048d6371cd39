#include "web/gl11/selection.h"

#include <algorithm>

namespace gl11 {

namespace {

// The signed distance of p inside the clip plane k (0..5: -x, +x, -y, +y, -z, +z).
double inside(const Vec4& p, int k) {
    const double c = k / 2 == 0 ? p.x : k / 2 == 1 ? p.y : p.z;
    return k % 2 == 0 ? p.w + c : p.w - c;
}

Vec4 between(const Vec4& a, const Vec4& b, double t) {
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z),
            a.w + t * (b.w - a.w)};
}

} // namespace

bool clippedDepthRange(const std::vector<Vec4>& clip, double& least, double& greatest) {
    std::vector<Vec4> shape = clip;
    const bool closed = clip.size() >= 3;
    for (int k = 0; k < 6 && !shape.empty(); ++k) {
        std::vector<Vec4> kept;
        const std::size_t n = shape.size();
        const std::size_t edges = closed ? n : n - 1;
        if (n == 1) {
            if (inside(shape[0], k) >= 0)
                kept.push_back(shape[0]);
        }
        for (std::size_t e = 0; e < edges && n > 1; ++e) {
            const Vec4& a = shape[e];
            const Vec4& b = shape[(e + 1) % n];
            const double da = inside(a, k), db = inside(b, k);
            if (da >= 0 && (closed || e == 0))
                kept.push_back(a);
            if ((da >= 0) != (db >= 0))
                kept.push_back(between(a, b, da / (da - db)));
            if (!closed && db >= 0)
                kept.push_back(b);
        }
        if (!closed && kept.size() > 2)
            kept = {kept.front(), kept.back()};
        shape = kept;
    }
    if (shape.empty())
        return false;
    least = 1;
    greatest = 0;
    for (const Vec4& p : shape) {
        const double z = p.w != 0 ? std::clamp((p.z / p.w + 1) / 2, 0.0, 1.0) : 0.0;
        least = std::min(least, z);
        greatest = std::max(greatest, z);
    }
    return true;
}

void Selection::setBuffer(int bufferSize, std::uint32_t* bufferStart) {
    buffer = bufferStart;
    size = bufferSize;
}

void Selection::begin() {
    written = 0;
    records = 0;
    overflowed = false;
    names.clear();
    hit = false;
}

int Selection::end() {
    writeRecord();
    return overflowed ? -1 : records;
}

void Selection::initNames() {
    writeRecord();
    names.clear();
}

void Selection::pushName(std::uint32_t name) {
    writeRecord();
    names.push_back(name);
}

void Selection::popName() {
    writeRecord();
    if (!names.empty())
        names.pop_back();
}

void Selection::loadName(std::uint32_t name) {
    writeRecord();
    if (!names.empty())
        names.back() = name;
}

void Selection::primitive(const std::vector<Vec4>& clip) {
    double low, high;
    if (!clippedDepthRange(clip, low, high))
        return;
    least = hit ? std::min(least, low) : low;
    greatest = hit ? std::max(greatest, high) : high;
    hit = true;
}

void Selection::put(std::uint32_t value) {
    if (written < size)
        buffer[written] = value;
    else
        overflowed = true;
    ++written;
}

void Selection::writeRecord() {
    if (!hit)
        return;
    hit = false;
    put(std::uint32_t(names.size()));
    put(std::uint32_t(least * 4294967295.0));
    put(std::uint32_t(greatest * 4294967295.0));
    for (std::uint32_t name : names)
        put(name);
    // A record that did not fit whole is not counted.
    if (written <= size)
        ++records;
}

} // namespace gl11
