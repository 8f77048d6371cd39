#pragma once
// The two GLU quadrics the exhibit draws, filled with smooth normals facing
// outwards, through the context's immediate mode: a disk in the plane z = 0
// facing +z, and a cylinder (a cone when the radii differ) along +z. Points
// run from the +y axis towards +x, slices around and loops (or stacks) out.

namespace gl11 {

class Context;

void drawDisk(Context& context, double inner, double outer, int slices, int loops);
void drawCylinder(Context& context, double base, double top, double height, int slices, int stacks);

} // namespace gl11
