#include "geom/drawing_key.h"

#include <cstring>

bool DrawingKey::matches(Parts parts) const {
    if (!kept || parts.size() != sizes.size())
        return false;
    std::size_t at = 0, k = 0;
    for (const Part& part : parts) {
        if (part.size != sizes[k++])
            return false;
        if (part.size > 0 && std::memcmp(bytes.data() + at, part.bytes, part.size) != 0)
            return false;
        at += part.size;
    }
    return true;
}

void DrawingKey::keep(Parts parts) {
    std::size_t total = 0;
    sizes.clear();
    for (const Part& part : parts) {
        sizes.push_back(part.size);
        total += part.size;
    }
    bytes.resize(total);
    std::size_t at = 0;
    for (const Part& part : parts) {
        if (part.size > 0)
            std::memcpy(bytes.data() + at, part.bytes, part.size);
        at += part.size;
    }
    kept = true;
}

bool DrawingKey::changes(Parts parts) {
    if (matches(parts))
        return false;
    keep(parts);
    return true;
}

void DrawingKey::clear() {
    kept = false;
}
