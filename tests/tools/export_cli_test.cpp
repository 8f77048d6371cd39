// The real lembovari-export binary: refusals, a full disk, and its files
// as printers' tools and the glTF validator read them. Tests of a scene
// whose model is still empty are skipped.

#include "tests/tools/tool_test.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

class ExportTool : public ToolTest {
  protected:
    ExportTool() : ToolTest(LEMBOVARI_EXPORT) {}

    // Runs another program the same way.
    Outcome runOther(std::string other, std::vector<std::string> arguments, int timeout = 240) {
        std::swap(program, other);
        const Outcome outcome = finish(start(std::move(arguments)), timeout);
        std::swap(program, other);
        return outcome;
    }

    // Exports and expects the file; false when the scene has no model yet.
    bool exported(std::vector<std::string> arguments) {
        const Outcome outcome = run(arguments);
        if (outcome.status == 1 && outcome.err.find("is empty") != std::string::npos)
            return false;
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return outcome.status == 0;
    }
};

TEST_F(ExportTool, RefusesWithOneLineAndNoFile) {
    const std::string stl = output("model.stl");
    expectEachRefused("lembovari-export",
                      {{"NoSuchScene", stl},
                       {"KleinBottle1", stl, "slider0=1.5"},
                       {"KleinBottle1", stl, "dial0=1"},
                       {"Moebius2", stl, "button0=2"},
                       {"--size", "9.9", "KleinBottle1", stl},
                       {"--size", "1001", "KleinBottle1", stl},
                       {"--size", "nan", "KleinBottle1", stl},
                       {"--thickness", "0", "KleinBottle1", stl},
                       {"--size", "20", "--thickness", "5.1", "KleinBottle1", stl},
                       {"--detail", "0", "KleinBottle1", stl},
                       {"--detail", "9", "KleinBottle1", stl},
                       {"--language", "xx", "KleinBottle4", stl},
                       {"KleinBottle1", output("model.ply")},
                       {"KleinBottle1", output("model")},
                       {"KleinBottle1", output("missing/model.stl")},
                       {"KleinBottle1", work.string() + "/"},
                       {"KleinBottle1"},
                       {"--size"}});
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* shown : {"--size MM", "(default 100)", "--thickness MM", "(default 2)",
                              "--detail N", "--language CODE", "--list"})
        EXPECT_NE(help.out.find(shown), std::string::npos) << shown << "\n" << help.out;
    // Every option --help lists is in the manual page and README too.
    std::string page = readText(LEMBOVARI_SOURCE_DIR "/exhibit/install/lembovari-export.1.in");
    page = std::regex_replace(page, std::regex(R"(\\-)"), "-");
    const std::string readme = readText(LEMBOVARI_SOURCE_DIR "/README.md");
    const std::regex option("\n  (--[a-z-]+)");
    int options = 0;
    for (auto it = std::sregex_iterator(help.out.begin(), help.out.end(), option);
         it != std::sregex_iterator(); ++it, ++options) {
        EXPECT_NE(page.find((*it)[1].str()), std::string::npos) << (*it)[1];
        EXPECT_NE(readme.find("| `" + (*it)[1].str()), std::string::npos) << (*it)[1];
    }
    EXPECT_EQ(options, 6);
}

TEST_F(ExportTool, AFullDiskLeavesNoFile) {
    std::string key;
    for (const char* candidate : {"KleinBottle3", "icododeca"})
        if (key.empty() && exported({candidate, output("whole.stl")}))
            key = candidate;
    if (key.empty())
        GTEST_SKIP() << "no model yet";
    std::filesystem::remove(output("whole.stl"));
    // The shell lets files grow to 4 KiB at most; a write past that fails
    // as on a full disk instead of ending the process.
    for (const char* name : {"full.stl", "full.obj", "full.glb", "full.3mf"}) {
        const Outcome full = runOther("/bin/sh", {"-c", "trap '' XFSZ; ulimit -f 8; exec \"$@\"",
                                                  "sh", LEMBOVARI_EXPORT, key, output(name)});
        EXPECT_EQ(full.status, 1) << name << ": " << full.err;
        EXPECT_EQ(std::count(full.err.begin(), full.err.end(), '\n'), 1) << full.err;
        EXPECT_TRUE(written().empty()) << name << ": " << written().front();
    }
}

// admesh and PrusaSlicer find every part closed; PrusaSlicer slices one.
TEST_F(ExportTool, PrintersToolsFindTheSolidsManifold) {
    const std::vector<std::vector<std::string>> states = {
        {"KleinBottle3"}, {"ProjectivePlane1", "slider0=0.5"}, {"Moebius5"}, {"icododeca"}};
    std::vector<std::string> sliced;
    for (const auto& state : states) {
        SCOPED_TRACE(state[0]);
        const std::string stl = output("model.stl");
        std::vector<std::string> arguments = {"--size", "40", state[0], stl};
        arguments.insert(arguments.end(), state.begin() + 1, state.end());
        if (!exported(arguments))
            continue;
        if (sliced.empty())
            sliced = state;
        const Outcome admesh = runOther(LEMBOVARI_ADMESH, {stl});
        EXPECT_EQ(admesh.status, 0) << admesh.err;
        for (const char* zero : {"Degenerate facets", "Edges fixed", "Facets removed",
                                 "Facets added", "Facets reversed", "Backwards edges"})
            EXPECT_TRUE(std::regex_search(admesh.out, std::regex(std::string(zero) + " +: +0\n")))
                << zero << "\n"
                << admesh.out;
        EXPECT_NE(admesh.out.find("Total disconnected facets        :     0"), std::string::npos)
            << admesh.out;
        const Outcome info = runOther(LEMBOVARI_PRUSA_SLICER, {"--info", stl});
        EXPECT_NE(info.out.find("manifold = yes"), std::string::npos) << info.out << info.err;
        EXPECT_EQ(info.out.find("manifold = no"), std::string::npos) << info.out;
    }
    if (sliced.empty())
        GTEST_SKIP() << "no model yet";
    // One slice, small, of the 3MF: the slicer reads it and writes G-code.
    const std::string model = output("sliced.3mf"), gcode = output("sliced.gcode");
    std::vector<std::string> arguments = {"--size", "30", sliced[0], model};
    arguments.insert(arguments.end(), sliced.begin() + 1, sliced.end());
    ASSERT_TRUE(exported(arguments));
    const Outcome slice =
        runOther(LEMBOVARI_PRUSA_SLICER, {"--export-gcode", "--output", gcode, model}, 180);
    EXPECT_EQ(slice.status, 0) << slice.out << slice.err;
    EXPECT_NE(readText(gcode).find("\nG1 "), std::string::npos);
}

TEST_F(ExportTool, TheGltfValidatorFindsNoErrors) {
    const std::string validator = LEMBOVARI_SOURCE_DIR "/node-tools";
    ASSERT_TRUE(std::filesystem::exists(validator + "/node_modules/gltf-validator"))
        << "tools/setup-npm installs the validator";
    std::vector<std::string> arguments = {LEMBOVARI_SOURCE_DIR "/tests/tools/validate-gltf.js",
                                          validator};
    for (const char* key : {"KleinBottle4", "Moebius2", "Moebius6", "ring", "cubeocta"}) {
        const std::string glb = output((std::string(key) + ".glb").c_str());
        if (exported({"--size", "50", key, glb}))
            arguments.push_back(glb);
    }
    if (arguments.size() == 2)
        GTEST_SKIP() << "no model yet";
    const Outcome validated = runOther(LEMBOVARI_NODE, arguments);
    EXPECT_EQ(validated.status, 0) << validated.out << validated.err;
}

// The exporter runs where no display or GL driver is installed.
TEST_F(ExportTool, LinksNoDrawingOrWindowLibrary) {
    const Outcome libraries = runOther("/usr/bin/ldd", {LEMBOVARI_EXPORT});
    ASSERT_EQ(libraries.status, 0) << libraries.err;
    EXPECT_FALSE(std::regex_search(libraries.out, std::regex(R"((libGL|libOpenGL|libglut|libX))")))
        << libraries.out;
}

TEST_F(ExportTool, AnObjComesWithItsMaterials) {
    if (!exported({"cubeocta", output("cube.obj")}))
        GTEST_SKIP() << "cubeocta has no model yet";
    EXPECT_EQ(written(), (std::vector<std::string>{"cube.mtl", "cube.obj"}));
    EXPECT_NE(readText(output("cube.obj")).find("mtllib cube.mtl\n"), std::string::npos);
    EXPECT_NE(readText(output("cube.mtl")).find("newmtl "), std::string::npos);
}

} // namespace
