// The page's download of the shown scene as a printable file: its model as
// the scene's live controls stand now, made printable at the command-line
// tool's defaults (100 mm, 2 mm thick, the screen's sampling) and written as
// binary STL or binary glTF. The page's script asks for a format, then reads
// the bytes from the WebAssembly memory and hands them to the browser as a
// download.

#include "app/idle_reset.h"
#include "app/journal.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "geom/clock.h"
#include "geom/solid.h"
#include "tools/export/export_catalogue.h"
#include "tools/export/mesh_writers.h"
#include "ui/captions.h"
#include "ui/push_button.h"
#include "web/live_request.h"

#include <emscripten.h>

#include <string>

namespace {

// The last file written, kept until the next one for the script to copy.
struct ExportedFile {
    std::string name;
    std::string bytes;
};

ExportedFile& lastFile() {
    static ExportedFile file;
    return file;
}

} // namespace

extern "C" {

// format is "stl" or "glb". Answers the file's name (KEY.stl, KEY.glb), or ""
// when there is nothing to write (an unknown format, a scene without a
// model, a writer's failure), the reason then an error on the console.
EMSCRIPTEN_KEEPALIVE const char* lembovari_export(const char* format) {
    ExportedFile& file = lastFile();
    file = {};
    const std::string extension = format;
    if (extension != "stl" && extension != "glb")
        return "";
    const Scene* scene = SceneManager::instance().current();
    const ExportedScene* exported = scene ? exportedScene(scene->name) : nullptr;
    if (!exported) {
        journalProblem((scene ? scene->name : "no scene") + " has no model to export");
        return "";
    }
    // A download is a visitor at the exhibit: the idle reset waits for them
    // as after any press, and the visit counts it.
    const Millis now = elapsedMillis();
    noteKey(now);
    std::string error;
    auto request = liveRequest(*scene, *exported, now, error);
    if (!request) {
        journalProblem(error);
        return "";
    }
    request->language = languageCode();
    const PrintModel print = makePrintable(exported->model(*request), PrintSettings{});
    WrittenFiles written =
        writeModel(print, extension == "stl" ? MeshFormat::stl : MeshFormat::glb);
    if (!written.error.empty()) {
        journalProblem(scene->name + ": " + written.error);
        return "";
    }
    file.name = scene->name + "." + extension;
    file.bytes = std::move(written.bytes);
    return file.name.c_str();
}

// The bytes of the file lembovari_export last wrote, and their count.
EMSCRIPTEN_KEEPALIVE const char* lembovari_exported_bytes() {
    return lastFile().bytes.data();
}

EMSCRIPTEN_KEEPALIVE int lembovari_exported_size() {
    return int(lastFile().bytes.size());
}

// Called once when the page offers downloads: from then on the scenes'
// buttons keep their presses, which a download replays.
EMSCRIPTEN_KEEPALIVE void lembovari_keep_presses() {
    PushButton::recordingActivations = true;
}

} // extern "C"
