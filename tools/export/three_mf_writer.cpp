// 3MF through lib3mf: each part a mesh object and a build item, its corners'
// colours in a colour group (a colour per triangle corner), millimetres.

#include "tools/export/format_writers.h"

#include <Model/COM/NMR_DLLInterfaces.h>

#include <memory>
#include <vector>

namespace {

using namespace NMR;

// Releases a lib3mf object when it goes out of scope.
struct Release {
    void operator()(PLib3MFBase* object) const { lib3mf_release(object); }
};
using Held = std::unique_ptr<PLib3MFBase, Release>;

// lib3mf's own message for its last failure on object.
std::string lastError(PLib3MFBase* object, const char* step) {
    DWORD code = 0;
    LPCSTR message = nullptr;
    lib3mf_getlasterror(object, &code, &message);
    return std::string("3MF: ") + step + " failed" +
           (message && *message ? std::string(": ") + message : "");
}

MODELMESHCOLOR_SRGB srgb(const Vec3& c) {
    return {colourByte(c.x), colourByte(c.y), colourByte(c.z), 255};
}

// Adds one part; an empty string, or why not.
std::string addPart(PLib3MFModel* model, const Solid& part, std::size_t index) {
    PLib3MFModelMeshObject* added = nullptr;
    if (lib3mf_model_addmeshobject(model, &added) != LIB3MF_OK)
        return lastError(model, "adding a mesh");
    const Held mesh(added);
    const std::string name = part.name.empty() ? "part" + std::to_string(index) : part.name;
    lib3mf_object_setnameutf8(added, name.c_str());

    std::vector<MODELMESHVERTEX> vertices;
    for (const Vec3& p : part.points)
        vertices.push_back({{float(p.x), float(p.y), float(p.z)}});
    std::vector<MODELMESHTRIANGLE> triangles;
    for (const auto& t : part.triangles)
        triangles.push_back({{DWORD(t[0]), DWORD(t[1]), DWORD(t[2])}});
    if (lib3mf_meshobject_setgeometry(added, vertices.data(), DWORD(vertices.size()),
                                      triangles.data(), DWORD(triangles.size())) != LIB3MF_OK)
        return lastError(added, "setting a mesh's geometry");

    if (part.cornerColours.size() == part.triangles.size() && !part.triangles.empty()) {
        std::vector<MODELMESH_TRIANGLECOLOR_SRGB> colours;
        for (const auto& corners : part.cornerColours)
            colours.push_back({{srgb(corners[0]), srgb(corners[1]), srgb(corners[2])}});
        PLib3MFPropertyHandler* handler = nullptr;
        if (lib3mf_meshobject_createpropertyhandler(added, &handler) != LIB3MF_OK)
            return lastError(added, "colouring a mesh");
        const Held heldHandler(handler);
        if (lib3mf_propertyhandler_setgradientcolorarray(handler, colours.data()) != LIB3MF_OK)
            return lastError(handler, "colouring a mesh");
        // A mesh whose triangles have colours needs one for the whole object.
        PLib3MFDefaultPropertyHandler* whole = nullptr;
        if (lib3mf_object_createdefaultpropertyhandler(added, &whole) != LIB3MF_OK)
            return lastError(added, "colouring a mesh");
        const Held heldWhole(whole);
        MODELMESHCOLOR_SRGB first = colours[0].m_Colors[0];
        if (lib3mf_defaultpropertyhandler_setcolor(whole, &first) != LIB3MF_OK)
            return lastError(whole, "colouring a mesh");
    }

    PLib3MFModelBuildItem* item = nullptr;
    if (lib3mf_model_addbuilditem(model, added, nullptr, &item) != LIB3MF_OK)
        return lastError(model, "placing a mesh");
    lib3mf_release(item);
    return "";
}

} // namespace

std::string threeMfBytes(const PrintModel& print, std::string& error) {
    PLib3MFModel* created = nullptr;
    if (lib3mf_createmodel(&created) != LIB3MF_OK) {
        error = "3MF: cannot create a model";
        return "";
    }
    const Held model(created);
    lib3mf_model_setunit(created, MODELUNIT_MILLIMETER);
    for (std::size_t p = 0; p < print.parts.size(); ++p) {
        error = addPart(created, print.parts[p], p);
        if (!error.empty())
            return "";
    }
    PLib3MFModelWriter* writer = nullptr;
    if (lib3mf_model_querywriter(created, "3mf", &writer) != LIB3MF_OK) {
        error = lastError(created, "finding the 3MF writer");
        return "";
    }
    const Held heldWriter(writer);
    ULONG64 size = 0;
    if (lib3mf_writer_getstreamsize(writer, &size) != LIB3MF_OK) {
        error = lastError(writer, "measuring the file");
        return "";
    }
    std::string bytes(std::size_t(size), '\0');
    if (lib3mf_writer_writetobuffer(writer, reinterpret_cast<BYTE*>(bytes.data()), size) !=
        LIB3MF_OK) {
        error = lastError(writer, "writing the file");
        return "";
    }
    return bytes;
}
