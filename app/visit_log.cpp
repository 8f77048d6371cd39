#include "app/visit_log.h"

#include "app/visit_record.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string failure(const std::string& what, const std::string& path) {
    return what + " the visit log " + path + ": " + std::strerror(errno);
}

int openForAppending(const std::string& path) {
    return open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
}

// A file just created is there after a power cut only once its folder is
// synced too.
void syncFolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

std::string openVisitLog(const std::string& path) {
    const int fd = openForAppending(path);
    if (fd < 0)
        return failure("cannot open", path);
    close(fd);
    return {};
}

std::string appendToVisitLog(const std::string& path, const std::string& line) {
    const int fd = openForAppending(path);
    if (fd < 0)
        return failure("cannot open", path);
    struct stat status;
    if (fstat(fd, &status) != 0) {
        const std::string problem = failure("cannot read", path);
        close(fd);
        return problem;
    }
    const off_t size = status.st_size;
    std::string text;
    char last = '\n';
    if (size == 0)
        text = std::string(visitCsvHeader()) + "\n";
    else if (pread(fd, &last, 1, size - 1) == 1 && last != '\n')
        text = "\n";
    text += line + "\n";

    std::string problem;
    const ssize_t written = write(fd, text.data(), text.size());
    if (written != ssize_t(text.size())) {
        if (written >= 0)
            errno = ENOSPC;
        problem = failure("cannot write to", path);
        if (written > 0 && ftruncate(fd, size) != 0)
            problem += ", and a part of the line stays";
    } else if (fdatasync(fd) != 0) {
        problem = failure("cannot sync", path);
    }
    close(fd);
    if (problem.empty() && size == 0)
        syncFolderOf(path);
    return problem;
}
