#pragma once
// A binary glTF file read back as the writer wrote it, for pictures of an
// exported model and for the writer's own checks: each mesh's triangles
// with their corners' positions (metres, y up, as in the file), normals,
// colours (as the screen shows them, from the file's linear ones) and
// texture coordinates, and the embedded picture. Pure.

#include "geom/scene_model.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ReadMesh {
    std::string name;
    std::vector<Vec3> positions;
    std::vector<Vec3> normals;          // empty when the file has none
    std::vector<Vec3> colours;          // empty when the file has none
    std::vector<Vec2> uvs;              // empty on a mesh without the picture
    std::vector<std::uint32_t> indices; // three per triangle
};

struct ReadModel {
    std::vector<ReadMesh> meshes;
    ModelTexture texture; // empty when the file embeds none
};

// The model in bytes (a .glb file's contents), or nothing and the reason.
std::optional<ReadModel> readGlb(const std::string& bytes, std::string& error);
