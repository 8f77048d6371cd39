// The program's own options, run without any display: a refused list must
// end before GLUT opens one, and --list and --version need none.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace e2e {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (char c : text)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

// With asJournal, standard error is the stream systemd would have connected
// to the journal.
Outcome run(const std::string& arguments, bool asJournal = false) {
    char errPath[] = "/tmp/lembovari-stderr-XXXXXX";
    const int fd = mkstemp(errPath);
    struct stat file;
    fstat(fd, &file);
    close(fd);
    const std::string journal =
        "JOURNAL_STREAM=" + std::to_string(file.st_dev) + ":" + std::to_string(file.st_ino) + " ";
    const std::string command = "env -u DISPLAY " + (asJournal ? journal : "") +
                                quoted(LEMBOVARI_PROGRAM) + " " + arguments + " 2>>" +
                                quoted(errPath);
    Outcome outcome;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
            outcome.out.append(buffer, n);
        const int status = pclose(pipe);
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::ifstream errFile(errPath);
    std::stringstream err;
    err << errFile.rdbuf();
    outcome.err = err.str();
    std::remove(errPath);
    return outcome;
}

int lineCount(const std::string& text) {
    int lines = 0;
    for (char c : text)
        lines += c == '\n';
    return lines;
}

TEST(CommandLine, ListPrintsEveryKeyWithItsCaptionAndNeedsNoDisplay) {
    const Outcome outcome = run("--list");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("ProjectivePlane1\tCappuccio incrociato\n"), std::string::npos)
        << outcome.out;
    EXPECT_NE(outcome.out.find("ProjectivePlane2\t"), std::string::npos);
    EXPECT_EQ(outcome.err, "");
}

TEST(CommandLine, ListInEnglish) {
    const Outcome outcome = run("--language en --list");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("ProjectivePlane1\tCross-cap\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("KleinBottle3\tThe Klein bottle\n"), std::string::npos);
    EXPECT_EQ(lineCount(outcome.out), 16);
}

TEST(CommandLine, VersionIsTheProjectsAndNeedsNoDisplay) {
    const Outcome outcome = run("--version");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "lembovari " LEMBOVARI_VERSION "\n");
    EXPECT_EQ(outcome.err, "");
}

TEST(CommandLine, HelpNeedsNoDisplayAndRefusalsPointToIt) {
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_NE(help.out.find("--visit-log FILE"), std::string::npos) << help.out;
    EXPECT_EQ(help.err, "");
    const Outcome unknown = run("--foo");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "lembovari: unknown option --foo (see lembovari --help)\n");
    const Outcome alone = run("--visit-log visits.csv");
    EXPECT_EQ(alone.status, 2);
    EXPECT_EQ(lineCount(alone.err), 1) << alone.err;
}

TEST(CommandLine, BadListsAreOneLineAndStatusTwoWithoutAWindow) {
    for (const std::string arguments :
         {"--scenes NoSuchScene", "--scenes ''", "--scenes ProjectivePlane1,", "--scenes",
          "--language pt", "--overlay-scale 0", "--overlay-scale nan --fullscreen"}) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments << ": " << outcome.err;
        EXPECT_EQ(lineCount(outcome.err), 1) << arguments << ": " << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
    EXPECT_NE(run("--scenes ProjectivePlane1,NoSuchScene").err.find("NoSuchScene"),
              std::string::npos);
}

TEST(CommandLine, BadIdleResetOrAttractAloneIsOneLineAndStatusTwoWithoutAWindow) {
    for (const std::string arguments : {"--idle-reset 0", "--idle-reset 2.5", "--attract"}) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments << ": " << outcome.err;
        EXPECT_EQ(lineCount(outcome.err), 1) << arguments << ": " << outcome.err;
        EXPECT_NE(outcome.err.find(arguments.substr(0, arguments.find(' '))), std::string::npos);
    }
}

// A visit log that could never be written and a bad longest hold are
// refused before GLUT looks for a display, which there is none of here.
TEST(CommandLine, AnUnwritableVisitLogOrABadHoldIsOneLineAndStatusTwo) {
    for (const std::string arguments :
         {"--idle-reset 5 --visit-log /nonexistent/dir/x.csv", "--idle-reset 5 --visit-log /tmp",
          "--idle-reset 5 --max-hold 0", "--max-hold 60", "--size 99x600"}) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments << ": " << outcome.err;
        EXPECT_EQ(lineCount(outcome.err), 1) << arguments << ": " << outcome.err;
    }
    EXPECT_EQ(run("--idle-reset 5 --visit-log /nonexistent/dir/x.csv").err,
              "lembovari: --visit-log /nonexistent/dir/x.csv: the folder /nonexistent/dir does "
              "not exist\n");
    // Under systemd the journal names the program; the line says it is an error.
    EXPECT_EQ(run("--foo", true).err, "<3>unknown option --foo (see lembovari --help)\n");
}

} // namespace
} // namespace e2e
