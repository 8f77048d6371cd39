#include "app/visit_log.h"
#include "app/visit_record.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

// A reading ms milliseconds after one shortly before 2^31 ms (24.8 days),
// where a 32-bit count of milliseconds would wrap.
Millis afterWrapStart(Millis ms) {
    return Millis(INT_MAX) - 1000 + ms;
}

TEST(VisitRecord, AVisitRunsFromTheFirstInputToItsEndWithEveryScene) {
    VisitRecord record("A");
    record.sceneShown("B", 100); // before anyone came: only the scene on show matters
    EXPECT_FALSE(record.end(200));
    // Across the wrap of the millisecond counter.
    record.input(afterWrapStart(0), 1000);
    record.interaction(afterWrapStart(500), 1001);
    record.sceneShown("C", afterWrapStart(2000));
    record.sceneShown("C", afterWrapStart(2500));
    record.interaction(afterWrapStart(3000), 1003);
    record.sceneShown("B", afterWrapStart(4000));
    const auto visit = record.end(afterWrapStart(6049));
    ASSERT_TRUE(visit);
    EXPECT_EQ(visit->start, 1000);
    EXPECT_EQ(visit->millis, 6049);
    EXPECT_EQ(visit->interactions, 2);
    EXPECT_EQ(visit->millisToLastInput, 3000) << "the wait for the reset left out";
    ASSERT_EQ(visit->scenes.size(), 3u);
    EXPECT_EQ(visit->scenes[0].key, "B");
    EXPECT_EQ(visit->scenes[1].key, "C");
    EXPECT_EQ(visit->scenes[2].millis, 2049);

    EXPECT_FALSE(record.end(afterWrapStart(7000))) << "one visit, ended once";
    record.interaction(afterWrapStart(9000), 1009);
    const auto next = record.end(afterWrapStart(9100));
    ASSERT_TRUE(next);
    EXPECT_EQ(next->interactions, 1);
    ASSERT_EQ(next->scenes.size(), 1u);
    EXPECT_EQ(next->scenes[0].key, "B");
}

TEST(VisitRecord, CsvLineHasTheLocalStartWithItsOffset) {
    setenv("TZ", "XST-5:30", 1);
    tzset();
    Visit visit{86400 * 365, 95250, 14, {{"Moebius", 40240}, {"ring", 55010}}, 60140};
    EXPECT_EQ(visitCsvLine(visit), "1971-01-01T05:30:00+05:30,95.3,60.1,14,Moebius:40.2 ring:55.0");
    setenv("TZ", "XST+3", 1);
    tzset();
    EXPECT_EQ(isoLocalTime(0), "1969-12-31T21:00:00-03:00");
    unsetenv("TZ");
    tzset();
}

std::string contents(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(VisitLog, HeaderOnceLinesAppendedATornLineLeftAloneAndFailuresAnswered) {
    char folder[] = "/tmp/lembovari-visits-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    const std::string path = std::string(folder) + "/visits.csv";
    EXPECT_EQ(openVisitLog(path), "");
    EXPECT_EQ(appendToVisitLog(path, "one"), "");
    EXPECT_EQ(appendToVisitLog(path, "two"), "");
    std::ofstream(path, std::ios::app) << "torn,3";
    EXPECT_EQ(appendToVisitLog(path, "three"), "");
    EXPECT_EQ(contents(path), std::string(visitCsvHeader()) + "\none\ntwo\ntorn,3\nthree\n");

    const std::string missing = std::string(folder) + "/no/such/folder/visits.csv";
    EXPECT_NE(openVisitLog(missing).find(missing), std::string::npos);
    EXPECT_NE(appendToVisitLog(missing, "lost"), "");
    if (access("/dev/full", W_OK) == 0) {
        EXPECT_NE(appendToVisitLog("/dev/full", "lost"), "");
    }
    std::remove(path.c_str());
    rmdir(folder);
}

} // namespace
