// lembovari-export: one scene's model at a state of its controls, written as
// a printable solid. The controls are set as lembovari-snapshot sets them;
// the model is the one the scene's update step computes, made printable
// (scaled, thickened, closed, stood on z = 0).
//
//   lembovari-export [OPTIONS] KEY OUT [CONTROL=VALUE ...]
//   lembovari-export --list
//
// OUT's extension picks the format: .stl, .3mf, .obj (its .mtl written
// beside it) or .glb. Files appear whole or not at all, also when SIGINT,
// SIGTERM or SIGHUP stop the tool. Links no GL: it runs without a display.
// Exit status 0 when written, 2 for a refused command line (nothing is
// written), 1 when the model or a file could not be written.

#include "tools/common/one_line.h"
#include "tools/common/temporary_file.h"
#include "tools/export/export_catalogue.h"
#include "tools/export/export_options.h"
#include "tools/export/mesh_writers.h"
#include "ui/captions.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

constexpr const char* usage =
    "usage: lembovari-export [OPTIONS] KEY OUT.stl|.3mf|.obj|.glb [CONTROL=VALUE ...] | --list";

[[noreturn]] void fail(int status, const std::string& message) {
    printOneLine("lembovari-export", message);
    std::exit(status);
}

struct Arguments {
    ExportOptions options;
    std::string key;
    std::string output;
    std::vector<std::string> settings;
};

Arguments parseArguments(int argc, char** argv) {
    Arguments a;
    const std::vector<CommandOption> table = exportOptionTable(a.options);
    const std::vector<std::string> words =
        readToolCommandLine("lembovari-export", usage, table, argc, argv);
    if (a.options.list)
        return a;
    if (words.size() < 2)
        fail(2, "needs a scene key and an output file (--help lists every option)");
    a.key = words[0];
    a.output = words[1];
    a.settings.assign(words.begin() + 2, words.end());
    const std::string problem = exportOptionsProblem(a.options);
    if (!problem.empty())
        fail(2, problem);
    return a;
}

std::string knownKeys() {
    std::string keys;
    for (const ExportedScene& s : exportedScenes())
        keys += (keys.empty() ? "" : ", ") + s.key;
    return keys;
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The .mtl beside an .obj: the same name with the other extension.
std::string materialPath(const std::string& objPath) {
    return objPath.substr(0, objPath.size() - 4) + ".mtl";
}

// Writes every byte to the temporary file and closes it: an empty string,
// or why not (a full disk among others).
std::string writeAll(TemporaryFile& file, const std::string& bytes) {
    if (!file.problem().empty())
        return file.problem();
    const int fd = file.takeDescriptor();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const std::string reason = n < 0 ? std::strerror(errno) : "nothing written";
            ::close(fd);
            return reason;
        }
        done += std::size_t(n);
    }
    if (::close(fd) != 0)
        return std::strerror(errno);
    return "";
}

// The file, and an OBJ's material library, written under temporary names
// and renamed into place only when every byte is written, so that a
// failure leaves neither: an empty string, or why not. The temporary files
// are gone when it returns.
std::string writeFiles(const std::string& path, const WrittenFiles& written, bool withMaterials) {
    TemporaryFile main(path);
    std::string problem = writeAll(main, written.bytes);
    if (!withMaterials)
        return problem.empty() ? main.commit() : problem;
    const std::string mtlPath = materialPath(path);
    TemporaryFile materials(mtlPath);
    if (problem.empty())
        problem = writeAll(materials, written.mtlBytes);
    if (problem.empty())
        problem = materials.commit();
    if (problem.empty()) {
        problem = main.commit();
        if (!problem.empty())
            ::unlink(mtlPath.c_str());
    }
    return problem;
}

} // namespace

int main(int argc, char** argv) {
    const Arguments arguments = parseArguments(argc, argv);
    const std::string language =
        arguments.options.language.empty() ? languageCodes().front() : arguments.options.language;
    if (arguments.options.list) {
        for (const ExportedScene& s : exportedScenes())
            std::printf("%s\t%s\n", s.key.c_str(), controlSummary(s.controls).c_str());
        return 0;
    }

    const ExportedScene* scene = exportedScene(arguments.key);
    if (!scene)
        fail(2, "no scene \"" + arguments.key + "\" (known: " + knownKeys() + ")");
    std::string error;
    const auto settings = parseSettings(scene->controls, arguments.settings, error);
    if (!settings)
        fail(2, error);
    const auto format = formatForPath(arguments.output);
    if (!format)
        fail(2, "\"" + arguments.output + "\": the name must end in " + formatExtensions());
    std::string unwritable = unwritableReason(arguments.output);
    if (unwritable.empty() && *format == MeshFormat::obj)
        unwritable = unwritableReason(materialPath(arguments.output));
    if (!unwritable.empty())
        fail(2, unwritable);

    removeTemporaryFileOnSignals();
    const ModelRequest request = requestFor(*scene, *settings, arguments.options.detail, language);
    const PrintModel print = makePrintable(scene->model(request), arguments.options.print);
    if (print.parts.empty())
        fail(1, "the model of " + arguments.key + " is empty: nothing to print");
    const WrittenFiles written =
        writeModel(print, *format, baseName(materialPath(arguments.output)));
    if (!written.error.empty())
        fail(1, written.error);
    const std::string problem = writeFiles(arguments.output, written, *format == MeshFormat::obj);
    if (!problem.empty())
        fail(1, "cannot write " + arguments.output + ": " + problem);
    return 0;
}
