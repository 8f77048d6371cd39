#pragma once
// A fixture for tests that run one of the real tool binaries: a private
// folder for it to write into, and what it said and left behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

struct Outcome {
    int status = -1; // the exit status, 128 + N after signal N, or -1 when not started
    std::string out;
    std::string err;
};

std::string readText(const std::filesystem::path& path);

class ToolTest : public testing::Test {
  protected:
    explicit ToolTest(std::string program) : program(std::move(program)) {}
    void SetUp() override;
    void TearDown() override;

    // Starts the program with arguments, its standard output and error
    // going to the scratch folder; its process id, or -1.
    pid_t start(std::vector<std::string> arguments) const;
    // Waits for what start started to end, or kills it after timeoutSeconds.
    // The status is the exit status, or 128 + N after signal N, as a shell
    // gives it.
    Outcome finish(pid_t pid, int timeoutSeconds = 240) const;
    // Runs the program with arguments and waits for it to end.
    Outcome run(std::vector<std::string> arguments) const { return finish(start(arguments)); }
    // A path in the folder the tool writes into.
    std::string output(const char* name) const { return (work / name).string(); }
    // The names of the files in that folder, sorted.
    std::vector<std::string> written() const;
    // Runs the program with each command line and expects every one refused
    // as expectRefused says.
    void expectEachRefused(const std::string& programName,
                           const std::vector<std::vector<std::string>>& commandLines) const;

    std::string program;
    std::filesystem::path folder;
    std::filesystem::path scratch; // the tool's standard output and error
    std::filesystem::path work;    // where the tool writes
};

// Checks that a refused command line said one line on standard error,
// starting with the program's name, ended with status 2 and wrote nothing.
void expectRefused(const Outcome& outcome, const std::string& programName,
                   const std::vector<std::string>& writtenAfter, const std::string& shown);
