#include "tools/common/temporary_file.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

const int endingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The paths a signal removes, copied here beforehand: a signal handler may
// only call the few functions that are safe in one, and unlink is one. Two,
// for a file written with its companion (an OBJ and its MTL).
constexpr int watchedSlots = 2;
char watchedPath[watchedSlots][4096];
volatile std::sig_atomic_t watching[watchedSlots] = {0, 0};

extern "C" void removeAndEnd(int signal) {
    for (int slot = 0; slot < watchedSlots; ++slot)
        if (watching[slot])
            unlink(watchedPath[slot]);
    // The default action is back (SA_RESETHAND); the signal raised again is
    // delivered as this handler returns and ends the process as usual.
    raise(signal);
}

// Holds the ending signals back for its lifetime, so that creating, renaming
// or removing the file and noting it happen as one step for a handler.
class SignalsHeld {
  public:
    SignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (int signal : endingSignals)
            sigaddset(&held, signal);
        sigprocmask(SIG_BLOCK, &held, &before);
    }
    ~SignalsHeld() { sigprocmask(SIG_SETMASK, &before, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

  private:
    sigset_t before;
};

} // namespace

void removeTemporaryFileOnSignals() {
    for (int signal : endingSignals) {
        struct sigaction now, before;
        sigaction(signal, nullptr, &before);
        if (before.sa_handler == SIG_IGN)
            continue;
        now = {};
        now.sa_handler = removeAndEnd;
        sigemptyset(&now.sa_mask);
        now.sa_flags = SA_RESETHAND;
        sigaction(signal, &now, nullptr);
    }
}

std::string unwritableReason(const std::string& path) {
    struct stat status;
    if (path.empty() || path.back() == '/' ||
        (stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)))
        return "\"" + path + "\" is not a file name";
    if (access(directoryOf(path).c_str(), W_OK) != 0)
        return "cannot write into the folder " + directoryOf(path);
    return "";
}

TemporaryFile::TemporaryFile(std::string finalPath) : finalPath(std::move(finalPath)) {
    // Hidden, and unlike any name the tools write, so that a crash leaves
    // nothing that looks like a finished file.
    const std::string& path = this->finalPath;
    temporaryPath = directoryOf(path) + "/." + baseNameOf(path) + ".XXXXXX";
    const SignalsHeld held;
    descriptor = mkstemp(temporaryPath.data());
    if (descriptor < 0) {
        creationProblem =
            "cannot create a file in " + directoryOf(path) + ": " + std::strerror(errno);
        temporaryPath.clear();
        return;
    }
    for (int slot = 0; slot < watchedSlots && watched < 0; ++slot)
        if (!watching[slot] && temporaryPath.size() < sizeof watchedPath[slot]) {
            std::memcpy(watchedPath[slot], temporaryPath.c_str(), temporaryPath.size() + 1);
            watching[slot] = 1;
            watched = slot;
        }
    // mkstemp creates files that only their owner may read.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
}

TemporaryFile::~TemporaryFile() {
    if (descriptor >= 0)
        close(descriptor);
    const SignalsHeld held;
    if (!committed && !temporaryPath.empty())
        unlink(temporaryPath.c_str());
    if (watched >= 0)
        watching[watched] = 0;
}

int TemporaryFile::takeDescriptor() {
    const int taken = descriptor;
    descriptor = -1;
    return taken;
}

std::string TemporaryFile::commit() {
    if (temporaryPath.empty())
        return creationProblem;
    // Synced before the rename, so that the name never points at a file
    // still missing its end.
    const int fd = open(temporaryPath.c_str(), O_RDONLY);
    if (fd < 0 || fsync(fd) != 0) {
        const std::string reason = std::strerror(errno);
        if (fd >= 0)
            close(fd);
        return reason;
    }
    close(fd);
    const SignalsHeld held;
    if (std::rename(temporaryPath.c_str(), finalPath.c_str()) != 0)
        return "cannot rename into " + finalPath + ": " + std::strerror(errno);
    committed = true;
    if (watched >= 0)
        watching[watched] = 0;
    watched = -1;
    return "";
}
