#include "tests/tools/tool_test.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void ToolTest::SetUp() {
    std::string name = (fs::temp_directory_path() / "lembovari-tool-test.XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    folder = name;
    scratch = folder / "scratch";
    work = folder / "out";
    fs::create_directory(scratch);
    fs::create_directory(work);
}

void ToolTest::TearDown() {
    fs::remove_all(folder);
}

pid_t ToolTest::start(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string outPath = (scratch / "stdout").string();
    const std::string errPath = (scratch / "stderr").string();
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&files, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&files);
    return pid;
}

Outcome ToolTest::finish(pid_t pid, int timeoutSeconds) const {
    Outcome outcome;
    if (pid > 0) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << program << " still running after " << timeoutSeconds << " s";
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    outcome.out = readText(scratch / "stdout");
    outcome.err = readText(scratch / "stderr");
    return outcome;
}

std::vector<std::string> ToolTest::written() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(work))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void expectRefused(const Outcome& outcome, const std::string& programName,
                   const std::vector<std::string>& writtenAfter, const std::string& shown) {
    EXPECT_EQ(outcome.status, 2) << shown;
    EXPECT_EQ(outcome.err.rfind(programName + ": ", 0), 0u) << shown << "\n" << outcome.err;
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << shown;
    EXPECT_FALSE(outcome.err.empty() || outcome.err.back() != '\n') << shown;
    EXPECT_TRUE(writtenAfter.empty()) << shown;
}

void ToolTest::expectEachRefused(const std::string& programName,
                                 const std::vector<std::vector<std::string>>& commandLines) const {
    for (const auto& arguments : commandLines) {
        std::string shown;
        for (const std::string& a : arguments)
            shown += " " + a;
        const Outcome outcome = run(arguments);
        expectRefused(outcome, programName, written(), shown);
    }
}
