// The exhibit run by systemd, played by the test: a notify socket of the
// test's own receives READY=1, the watchdog's pings at rest, none while the
// process is stopped, and STOPPING=1 on SIGTERM; the journal's lines land in
// a file. A kiosk's quit keys do nothing and SIGINT still ends it cleanly.

#include "tests/e2e/exhibit_fixture.h"

#include <X11/keysym.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace e2e {
namespace {

using namespace std::chrono_literals;

std::string readAll(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A folder of the test's own, removed with what it holds.
class ScratchFolder {
  public:
    ScratchFolder() {
        char name[] = "/tmp/lembovari-service-XXXXXX";
        path = mkdtemp(name) ? name : "";
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

// The datagram socket systemd listens on for sd_notify.
class NotifySocket {
  public:
    explicit NotifySocket(const std::string& path) : path(path) {
        fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~NotifySocket() { close(fd); }

    // The next message within the timeout, or an empty string.
    std::string next(std::chrono::milliseconds timeout) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, int(timeout.count())) <= 0)
            return {};
        char buffer[512];
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        return got > 0 ? std::string(buffer, std::size_t(got)) : std::string();
    }
    // Whether the message comes within the timeout, others before it skipped.
    bool awaits(const std::string& message, std::chrono::milliseconds timeout) {
        return waitFor([&] { return next(20ms) == message; }, timeout);
    }

    std::string path;
    bool bound = false;

  private:
    int fd = -1;
};

bool stopped(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(')');
    return close != std::string::npos && line.compare(close + 1, 3, " T ") == 0;
}

TEST(Service, TellsSystemdItIsReadyPingsWhileTheLoopTurnsAndStopsOnSigterm) {
    ScratchFolder scratch;
    NotifySocket systemd(scratch.path + "/notify");
    ASSERT_TRUE(systemd.bound);
    const std::string journal = scratch.path + "/journal";
    // Pings every 300 ms.
    ExhibitProcess exhibit(LEMBOVARI_WITH_XVFB, LEMBOVARI_PROGRAM, "Lembovari", {}, "1024x768x24",
                           {{"NOTIFY_SOCKET=" + systemd.path, "WATCHDOG_USEC=600000"}, journal});
    ASSERT_TRUE(exhibit.started()) << exhibit.failure();
    ASSERT_TRUE(systemd.awaits("READY=1", 15s));
    for (int ping = 0; ping < 3; ++ping)
        ASSERT_TRUE(systemd.awaits("WATCHDOG=1", 2s)) << "ping " << ping << " at rest";

    const pid_t pid = exhibit.programId();
    kill(pid, SIGSTOP);
    ASSERT_TRUE(waitFor([&] { return stopped(pid); }, 5s));
    while (!systemd.next(0ms).empty()) {
    }
    EXPECT_EQ(systemd.next(2s), "") << "a stopped main loop still pings";
    kill(pid, SIGCONT);
    EXPECT_TRUE(systemd.awaits("WATCHDOG=1", 2s)) << "no pings after SIGCONT";

    kill(pid, SIGTERM);
    EXPECT_TRUE(systemd.awaits("STOPPING=1", 5s));
    EXPECT_EQ(exhibit.waitForExit(5s), 0);

    const std::string lines = readAll(journal);
    EXPECT_NE(lines.find("lembovari: version " LEMBOVARI_VERSION " started without options; "
                         "screen 1024x768, window 800x600, overlay scale 1; GL "),
              std::string::npos)
        << lines;
    EXPECT_NE(lines.find("\nlembovari: stopping on SIGTERM\n"), std::string::npos) << lines;
}

int count(const std::string& text, const std::string& part) {
    int found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

TEST(Service, OneVisitOfRealInputIsOneLineWithItsScenesAndTheJournalSaysSo) {
    ScratchFolder scratch;
    const std::string journal = scratch.path + "/journal";
    const std::string log = scratch.path + "/visits.csv";
    ExhibitProcess exhibit(
        LEMBOVARI_WITH_XVFB, LEMBOVARI_PROGRAM, "Lembovari",
        {"--scenes", "ProjectivePlane1,Moebius", "--idle-reset", "2", "--visit-log", log},
        "1024x768x24", {{}, journal});
    ASSERT_TRUE(exhibit.started()) << exhibit.failure();
    // The pointer's first move onto the window may have started a visit:
    // the first reset ends it, whatever it was.
    ASSERT_TRUE(waitFor([&] { return count(readAll(journal), "idle reset: ") == 1; }, 15s));
    const int linesBefore = count(readAll(log), "\n");

    exhibit.moveToOverlay(600, 300);
    exhibit.pressButton();
    exhibit.glideToOverlay(650, 320, 5, 10ms);
    exhibit.releaseButton();
    exhibit.tapKey(XK_Right);
    ASSERT_TRUE(waitFor([&] { return count(readAll(journal), "idle reset: ") == 2; }, 15s));
    kill(exhibit.programId(), SIGTERM);
    EXPECT_EQ(exhibit.waitForExit(5s), 0);

    const std::string lines = readAll(log);
    EXPECT_EQ(lines.rfind("start,seconds,last_input,interactions,scenes\n", 0), 0u) << lines;
    EXPECT_EQ(count(lines, "\n"), std::max(linesBefore, 1) + 1) << lines;
    const std::string visit = lines.substr(lines.rfind('\n', lines.size() - 2) + 1);
    int year = 0, month = 0, day = 0, interactions = 0;
    double seconds = 0, lastInput = 0, first = 0, second = 0;
    ASSERT_EQ(
        std::sscanf(visit.c_str(),
                    "%d-%d-%dT%*d:%*d:%*d%*[+-]%*d:%*d,%lf,%lf,%d,ProjectivePlane1:%lf Moebius:%lf",
                    &year, &month, &day, &seconds, &lastInput, &interactions, &first, &second),
        8)
        << visit;
    EXPECT_EQ(interactions, 2) << "a press with its drag, and a key";
    EXPECT_GE(second, 2.0) << "the last scene lasts until the reset";
    EXPECT_NEAR(seconds, first + second, 0.15);
    // The reset comes two seconds after the last input at the earliest.
    EXPECT_LE(lastInput, seconds - 1.9) << "the idle wait is no visitor's time";
    EXPECT_NE(readAll(journal).find("idle reset: visit from "), std::string::npos);
}

// A closed terminal or an ended session ends the exhibit as a stop does.
TEST(Service, SighupStopsAsSigtermDoesAndWritesTheVisit) {
    ScratchFolder scratch;
    NotifySocket systemd(scratch.path + "/notify");
    ASSERT_TRUE(systemd.bound);
    const std::string journal = scratch.path + "/journal";
    const std::string log = scratch.path + "/visits.csv";
    ExhibitProcess exhibit(LEMBOVARI_WITH_XVFB, LEMBOVARI_PROGRAM, "Lembovari",
                           {"--idle-reset", "600", "--visit-log", log}, "1024x768x24",
                           {{"NOTIFY_SOCKET=" + systemd.path}, journal});
    ASSERT_TRUE(exhibit.started()) << exhibit.failure();
    ASSERT_TRUE(systemd.awaits("READY=1", 15s));
    exhibit.tapKey(XK_Right);
    kill(exhibit.programId(), SIGHUP);
    EXPECT_TRUE(systemd.awaits("STOPPING=1", 5s));
    EXPECT_EQ(exhibit.waitForExit(5s), 0);
    EXPECT_EQ(count(readAll(log), "\n"), 2) << readAll(log);
    EXPECT_NE(readAll(journal).find("\nlembovari: stopping on SIGHUP\n"), std::string::npos);
}

class KioskKeysTest : public ExhibitTest {
  protected:
    std::vector<std::string> programArguments() const override { return {"--no-quit-keys"}; }
};

TEST_F(KioskKeysTest, EscapeAndFunctionKeysDoNothingAndSigintEndsWithStatusZero) {
    const Box whole{0, 0, 800, 600};
    const Picture first = waitForStillPicture(whole);
    for (KeySym key : {XK_Escape, XK_F1, XK_F2, XK_F3})
        exhibit->tapKey(key);
    // Keys are handled in order: once Right has shown the next scene, the
    // quit keys before it have been handled too.
    exhibit->tapKey(XK_Right);
    EXPECT_TRUE(waitFor(
        [&] { return countDifferences(first, exhibit->capture(), whole, 12) > changedPixels; },
        10s))
        << "the exhibit did not go on to the next scene";
    EXPECT_FALSE(exhibit->waitForExit(0ms));
    kill(exhibit->programId(), SIGINT);
    EXPECT_EQ(exhibit->waitForExit(5s), 0);
}

} // namespace
} // namespace e2e
