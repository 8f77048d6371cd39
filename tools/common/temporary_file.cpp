#include "tools/common/temporary_file.h"

#include <cerrno>
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

} // namespace

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
    descriptor = mkstemp(temporaryPath.data());
    if (descriptor < 0) {
        creationProblem =
            "cannot create a file in " + directoryOf(path) + ": " + std::strerror(errno);
        temporaryPath.clear();
        return;
    }
    // mkstemp creates files that only their owner may read.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
}

TemporaryFile::~TemporaryFile() {
    if (descriptor >= 0)
        close(descriptor);
    if (!committed && !temporaryPath.empty())
        unlink(temporaryPath.c_str());
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
    if (std::rename(temporaryPath.c_str(), finalPath.c_str()) != 0)
        return "cannot rename into " + finalPath + ": " + std::strerror(errno);
    committed = true;
    return "";
}
