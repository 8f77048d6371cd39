#pragma once
// Files the tools write whole or not at all: written under a hidden name
// beside the final one, then renamed over it.

#include <string>

// The reason why no file could be written at path (not a file name, or a
// folder the process may not write into), or an empty string.
std::string unwritableReason(const std::string& path);

// Makes SIGINT, SIGTERM and SIGHUP remove the temporary file being written
// (the first two of those alive) before ending the process as they would have,
// with the same status. A signal ignored when this is called stays ignored.
void removeTemporaryFileOnSignals();

class TemporaryFile {
  public:
    // Creates a hidden file beside finalPath, with the permissions any new file
    // of this process gets. On failure problem() says why.
    explicit TemporaryFile(std::string finalPath);
    // Removes the file unless it was committed.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return temporaryPath; }
    const std::string& problem() const { return creationProblem; }
    // The open descriptor, handed over to the caller, who closes it; -1 after
    // the first call or when creation failed.
    int takeDescriptor();
    // Syncs the written file to disk and renames it over the final path: an
    // empty string, or a one-line reason (the final path is then untouched).
    std::string commit();

  private:
    std::string finalPath;
    std::string temporaryPath;
    std::string creationProblem;
    int descriptor = -1;
    bool committed = false;
    int watched = -1; // the slot of the paths a signal removes that holds it
};
