#include "app/visits.h"

#include "app/journal.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "app/visit_log.h"
#include "app/visit_record.h"
#include "geom/clock.h"

#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>

namespace {

std::unique_ptr<VisitRecord> record;
std::optional<std::string> logPath;
// One journal line for a log that cannot be written, not one per visit,
// until it can be written again.
bool logFailing = false;

std::string shownKey() {
    const Scene* scene = SceneManager::instance().current();
    return scene ? scene->name : std::string();
}

std::string summary(const Visit& visit) {
    std::string scenes;
    for (const SceneStay& stay : visit.scenes)
        scenes += " " + stay.key + ":" + tenthsOfSeconds(stay.millis);
    return "visit from " + isoLocalTime(visit.start) + ", " + tenthsOfSeconds(visit.millis) +
           " s, " + std::to_string(visit.interactions) +
           (visit.interactions == 1 ? " interaction" : " interactions") + ", scenes" + scenes;
}

void writeVisit(const Visit& visit) {
    const std::string problem = appendToVisitLog(*logPath, visitCsvLine(visit));
    if (!problem.empty() && !logFailing)
        journalProblem(problem + "; visits go unrecorded until it can be written");
    else if (problem.empty() && logFailing)
        journalNote("the visit log " + *logPath + " is written again");
    logFailing = !problem.empty();
}

} // namespace

void startVisits() {
    record = std::make_unique<VisitRecord>(shownKey());
    SceneManager::instance().watchSelection(
        [](const Scene& scene) { record->sceneShown(scene.name, elapsedMillis()); });
    // Registered after every static object is built, so it runs before any
    // of them is destroyed.
    std::atexit([] { endVisit(VisitEnd::ProgramEnd, elapsedMillis()); });
}

void writeVisitsTo(const std::string& path) {
    logPath = path;
    const std::string problem = openVisitLog(path);
    logFailing = !problem.empty();
    if (logFailing)
        journalProblem(problem + "; the exhibit runs on and tries again after each visit");
}

void visitInput(Millis now) {
    if (record)
        record->input(now, std::time(nullptr));
}

void visitInteraction(Millis now) {
    if (record)
        record->interaction(now, std::time(nullptr));
}

void endVisit(VisitEnd why, Millis now) {
    if (!record)
        return;
    const std::optional<Visit> visit = record->end(now);
    const std::string when = why == VisitEnd::IdleReset ? "idle reset: " : "end of the program: ";
    if (visit)
        journalNote(when + summary(*visit));
    else if (why == VisitEnd::IdleReset)
        journalNote(when + "no visit since the start or the last reset");
    if (!visit)
        return;
    if (logPath)
        writeVisit(*visit);
}
