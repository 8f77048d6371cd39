#pragma once
// Selection mode done on the CPU: the name stack, the primitives clipped to
// the view volume, and the hit records written as GL writes them into the
// buffer given to glSelectBuffer: the number of names, the least and the
// greatest window depth scaled to 0 .. 2^32 - 1, then the names from the
// bottom of the stack up.

#include "web/gl11/transform.h"

#include <cstdint>
#include <vector>

namespace gl11 {

// The window depths, from 0 (near) to 1 (far), of what of a convex polygon
// (three or more clip coordinates), segment (two) or point (one) lies in
// the clip volume; false when none of it does.
bool clippedDepthRange(const std::vector<Vec4>& clip, double& least, double& greatest);

class Selection {
  public:
    // glSelectBuffer.
    void setBuffer(int size, std::uint32_t* buffer);
    // Entering selection mode empties the buffer and the name stack.
    void begin();
    // Leaving it: the number of records written, -1 when the buffer overflowed.
    int end();

    void initNames();
    void pushName(std::uint32_t name);
    void popName();
    void loadName(std::uint32_t name);

    // A primitive in clip coordinates, already through both matrices.
    void primitive(const std::vector<Vec4>& clip);

  private:
    void writeRecord();
    void put(std::uint32_t value);

    std::uint32_t* buffer = nullptr;
    int size = 0;
    int written = 0;
    int records = 0;
    bool overflowed = false;
    std::vector<std::uint32_t> names;
    bool hit = false;
    double least = 1, greatest = 0;
};

} // namespace gl11
