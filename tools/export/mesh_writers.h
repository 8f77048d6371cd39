#pragma once
// The file formats a printable model is written in, each as the file's
// bytes: binary STL (shape only), OBJ with its MTL (a material per colour),
// 3MF (through lib3mf: parts and their colours) and binary glTF (through
// tinygltf: parts, colours and the texture). Millimetres and z up, except
// glTF, which is metres and y up as the format asks. Pure: no GL.

#include "geom/solid.h"

#include <optional>
#include <string>

enum class MeshFormat { stl, obj, threeMf, glb };

struct WrittenFiles {
    std::string bytes;    // the file itself
    std::string mtlBytes; // OBJ only: the material library it names
    std::string error;    // empty when the model was written
};

// mtlName is the name the OBJ file gives its material library.
WrittenFiles writeModel(const PrintModel& model, MeshFormat format,
                        const std::string& mtlName = "");

// The format a file name's extension asks for (.stl, .obj, .3mf, .glb, in
// any case), or nothing.
std::optional<MeshFormat> formatForPath(const std::string& path);

// The extensions of every format, for messages: ".stl, .3mf, .obj, .glb".
std::string formatExtensions();
