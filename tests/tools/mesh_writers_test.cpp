// The writers' files read back: a thickened, pictured band and a coloured
// tetrahedron made printable, then each format checked for the same
// triangles, its colours and its units.

#include "tools/export/glb_reader.h"
#include "tools/export/mesh_writers.h"

#include <Model/COM/NMR_DLLInterfaces.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

namespace {

PrintModel testPrint() {
    SceneModel model;
    SurfaceSheet band;
    band.name = "band";
    band.rows = 30;
    band.columns = 4;
    band.rowJoin = SeamJoin::mirrored;
    for (int i = 0; i < band.rows; ++i)
        for (int j = 0; j < band.columns; ++j) {
            const double a = 2 * pi * i / band.rows, w = 0.3 * (j / 3.0 - 0.5);
            band.points.push_back({(1 + w * std::cos(a / 2)) * std::cos(a), w * std::sin(a / 2),
                                   (1 + w * std::cos(a / 2)) * std::sin(a)});
            band.pointColours.push_back({double(i) / band.rows, 0.5, 1.0});
            band.texture.push_back({double(j) / 3, double(i) / band.rows});
        }
    model.sheets.push_back(band);
    model.texture = {2, 2, std::vector<std::uint8_t>(16, 200)};
    ClosedMesh tetrahedron;
    tetrahedron.name = "tetrahedron";
    tetrahedron.points = {{0, 0, 0}, {0.5, 0, 0}, {0, 0.5, 0}, {0, 0, 0.5}};
    tetrahedron.triangles = {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}};
    tetrahedron.triangleColours = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0}};
    model.meshes.push_back(tetrahedron);
    return makePrintable(model, {50, 2});
}

std::size_t triangleCount(const PrintModel& print) {
    std::size_t n = 0;
    for (const Solid& part : print.parts)
        n += part.triangles.size();
    return n;
}

std::size_t countOf(const std::string& text, const std::string& lineStart) {
    std::size_t n = 0;
    for (std::size_t at = 0; (at = text.find("\n" + lineStart, at)) != std::string::npos; ++at)
        ++n;
    return n;
}

TEST(MeshWriters, EveryFormatHoldsTheSameTrianglesAndItsColours) {
    const PrintModel print = testPrint();
    ASSERT_EQ(print.parts.size(), 2u);
    const std::size_t triangles = triangleCount(print);

    const WrittenFiles stl = writeModel(print, MeshFormat::stl);
    ASSERT_EQ(stl.bytes.size(), 84 + 50 * triangles);
    std::uint32_t stated;
    std::memcpy(&stated, stl.bytes.data() + 80, 4);
    EXPECT_EQ(stated, triangles);
    float corner[3];
    std::memcpy(corner, stl.bytes.data() + 84 + 12, 12);
    const Vec3& first = print.parts[0].points[std::size_t(print.parts[0].triangles[0][0])];
    EXPECT_FLOAT_EQ(corner[2], float(first.z)); // millimetres, z up, as printed

    const WrittenFiles obj = writeModel(print, MeshFormat::obj, "model.mtl");
    EXPECT_NE(obj.bytes.find("\nmtllib model.mtl\n"), std::string::npos);
    EXPECT_EQ(countOf(obj.bytes, "v "), print.parts[0].points.size() + 4);
    EXPECT_EQ(countOf(obj.bytes, "f "), triangles);
    EXPECT_EQ(countOf(obj.bytes, "o "), 2u);
    // The band shades along its length; the tetrahedron has four colours.
    EXPECT_GT(countOf("\n" + obj.mtlBytes, "newmtl "), 10u);
    EXPECT_NE(obj.mtlBytes.find("newmtl colour_ff0000\nKd 1.0000 0.0000 0.0000"),
              std::string::npos);

    using namespace NMR;
    const WrittenFiles threeMf = writeModel(print, MeshFormat::threeMf);
    ASSERT_EQ(threeMf.error, "");
    PLib3MFModel* model = nullptr;
    PLib3MFModelReader* reader = nullptr;
    ASSERT_EQ(lib3mf_createmodel(&model), LIB3MF_OK);
    ASSERT_EQ(lib3mf_model_queryreader(model, "3mf", &reader), LIB3MF_OK);
    std::string bytes = threeMf.bytes;
    EXPECT_EQ(
        lib3mf_reader_readfrombuffer(reader, reinterpret_cast<BYTE*>(bytes.data()), bytes.size()),
        LIB3MF_OK);
    DWORD unit = 99;
    lib3mf_model_getunit(model, &unit);
    EXPECT_EQ(unit, DWORD(MODELUNIT_MILLIMETER));
    PLib3MFModelResourceIterator* meshes = nullptr;
    lib3mf_model_getmeshobjects(model, &meshes);
    std::size_t read3mf = 0;
    BOOL more = false;
    while (lib3mf_resourceiterator_movenext(meshes, &more) == LIB3MF_OK && more) {
        PLib3MFModelResource* mesh = nullptr;
        lib3mf_resourceiterator_getcurrent(meshes, &mesh);
        DWORD n = 0;
        lib3mf_meshobject_gettrianglecount(mesh, &n);
        read3mf += n;
        PLib3MFPropertyHandler* properties = nullptr;
        lib3mf_meshobject_createpropertyhandler(mesh, &properties);
        eModelPropertyType type = MODELPROPERTYTYPE_NONE;
        lib3mf_propertyhandler_getpropertytype(properties, 0, &type);
        EXPECT_EQ(type, MODELPROPERTYTYPE_COLOR);
        lib3mf_release(properties);
        lib3mf_release(mesh);
    }
    EXPECT_EQ(read3mf, triangles);
    lib3mf_release(meshes);
    lib3mf_release(reader);
    lib3mf_release(model);

    const WrittenFiles glb = writeModel(print, MeshFormat::glb);
    std::string error;
    const auto read = readGlb(glb.bytes, error);
    ASSERT_TRUE(read) << error;
    ASSERT_EQ(read->meshes.size(), 2u);
    EXPECT_EQ((read->meshes[0].indices.size() + read->meshes[1].indices.size()) / 3, triangles);
    // Metres, y up: the print's floor z = 0 is the file's y = 0.
    double lowest = 1, highest = 0;
    for (const Vec3& p : read->meshes[0].positions) {
        lowest = std::min(lowest, p.y);
        highest = std::max(highest, p.y);
    }
    EXPECT_NEAR(lowest, 0, 1e-6);
    EXPECT_LT(highest, 0.05);
    EXPECT_EQ(read->meshes[0].uvs.size(), read->meshes[0].positions.size());
    EXPECT_TRUE(read->meshes[1].uvs.empty());
    EXPECT_EQ(read->texture.width, 2);
    EXPECT_NEAR(read->meshes[1].colours[read->meshes[1].indices[0]].x, 1.0, 0.01);
}

TEST(MeshWriters, TheFormatComesFromTheExtension) {
    EXPECT_EQ(formatForPath("a/b.STL"), MeshFormat::stl);
    EXPECT_EQ(formatForPath("x.3mf"), MeshFormat::threeMf);
    EXPECT_EQ(formatForPath("x.glb"), MeshFormat::glb);
    EXPECT_EQ(formatForPath("dir.obj/x"), std::nullopt);
    EXPECT_EQ(formatForPath("x.gltf"), std::nullopt);
}

} // namespace
