#include "app/journal.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Whether standard error is the stream systemd connected to the journal: it
// names that stream's device and inode in JOURNAL_STREAM.
bool toJournal() {
#ifdef __EMSCRIPTEN__
    // The page reads the priority to send each line to the console's info
    // or error, where nothing else tells them apart.
    return true;
#else
    static const bool journal = [] {
        const char* stream = std::getenv("JOURNAL_STREAM");
        struct stat status;
        if (!stream || fstat(STDERR_FILENO, &status) != 0)
            return false;
        unsigned long long device = 0, inode = 0;
        return std::sscanf(stream, "%llu:%llu", &device, &inode) == 2 && device == status.st_dev &&
               inode == status.st_ino;
    }();
    return journal;
#endif
}

void writeLine(const char* priority, const std::string& line, bool journal = toJournal()) {
    std::string whole = (journal ? priority : "lembovari: ") + line + "\n";
    // One write, so that lines of other writers never land inside it.
    const char* at = whole.data();
    std::size_t left = whole.size();
    while (left > 0) {
        const ssize_t written = write(STDERR_FILENO, at, left);
        if (written <= 0)
            return;
        at += written;
        left -= std::size_t(written);
    }
}

} // namespace

std::string startLine(const StartFacts& facts) {
    std::string options;
    for (const std::string& option : facts.options)
        options += " " + option;
    char scale[32];
    std::snprintf(scale, sizeof scale, "%g", facts.overlayScale);
    return "version " LEMBOVARI_VERSION " started " +
           (options.empty() ? std::string("without options") : "with" + options) + "; screen " +
           std::to_string(facts.screenWidth) + "x" + std::to_string(facts.screenHeight) +
           ", window " + std::to_string(facts.windowWidth) + "x" +
           std::to_string(facts.windowHeight) + ", overlay scale " + scale + "; GL " +
           facts.renderer + ", " + facts.glVersion + "; swap interval " +
           (facts.swapControl.empty() ? std::string("not offered, frames unpaced")
                                      : "of one refresh granted by " + facts.swapControl);
}

void journalNote(const std::string& line) {
    writeLine("<6>", line);
}

void journalProblem(const std::string& line) {
    writeLine("<3>", line);
}

void refuseCommandLine(const std::string& reason) {
#ifdef __EMSCRIPTEN__
    // The page shows a refusal in place of the canvas: it is told apart from
    // the journal's lines by having no priority.
    writeLine("<3>", reason, false);
#else
    writeLine("<3>", reason);
#endif
}
