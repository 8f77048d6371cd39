#pragma once
// Picking on the CPU: what lies under a few pixels of the window, found from
// the model's own triangles rather than by drawing them in GL's selection
// mode (whose software implementation keeps memory from every pick).
//
// The answers are the ones selection mode gives with a pick box of 5 by 5
// pixels: every triangle is clipped to the part of the view volume that the
// box sees, culled as GL would cull it, and the triangles drawn under one
// name between two changes of name make one record whose depth is the least
// window depth of what was kept. The record with the smallest depth wins,
// the earlier one on a tie. Pure: no GL.

#include "geom/mat4.h"
#include "geom/vec.h"

#include <array>
#include <cstdint>
#include <vector>

class PickBox {
  public:
    // Which side of a triangle is not seen, as glCullFace with culling on;
    // None with culling off. The front is the counter-clockwise side.
    enum class Culled { None, Back, Front };

    // The box of size by size pixels centred on the window point at (origin
    // bottom-left) of a viewport width by height, seen through projection.
    PickBox(Vec2 at, int width, int height, const Mat4& projection, double size = 5);

    // Where the triangles that follow are: the matrix from model to eye.
    void setModelview(const Mat4& modelview);
    // Like glLoadName: what follows is drawn under name.
    void name(int n);
    void triangle(const Vec3& a, const Vec3& b, const Vec3& c, Culled culled);
    // The polygon a, b, d, c of a quad strip's pair (a, b) and the next
    // pair (c, d), as two triangles.
    void quad(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d, Culled culled);

    // The name of the nearest record; 0 when nothing was hit, and for
    // unnamedName.
    int nearest();

    // Every record so far (for nearest: all of them), in order.
    struct Record {
        int name;
        std::uint32_t depth; // GL's least window depth, 0 to 2^32 - 1
    };
    const std::vector<Record>& records() const { return seen; }

    // The name before any is given, as selection's stack starts with 0xffff.
    static constexpr int unnamedName = 0xffff;

  private:
    struct Clip {
        double x, y, z, w;
    };
    Clip toClip(const Vec3& p) const;
    void endRecord();

    Mat4 box;       // projection narrowed to the box
    Mat4 transform; // box * modelview
    int current = unnamedName;
    bool hit = false;
    std::uint32_t least = 0;
    bool found = false;
    int best = 0;
    std::uint32_t bestDepth = 0;
    std::vector<Record> seen;
};
