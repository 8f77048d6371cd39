// The curator's report: its figures from a small log worked out by hand, and
// the real lembovari-visits on a made-up week written by the exhibit's own
// visit lines, with a torn and a foreign line, a missing file and refusals.

#include "app/visit_record.h"
#include "tests/tools/png_reader.h"
#include "tests/tools/tool_test.h"
#include "tools/visits/calendar_day.h"
#include "tools/visits/plot_scales.h"
#include "tools/visits/visit_log_reader.h"
#include "tools/visits/visit_report.h"
#include "tools/visits/visit_statistics.h"

#include <fstream>
#include <sstream>

namespace {

TEST(VisitReport, FiguresOfASmallOlderLogWithTornAndForeignLines) {
    std::istringstream log("start,seconds,interactions,scenes\n"
                           "2026-12-01T10:15:00+01:00,60.0,3,A:20.0 B:40.0\n"
                           "2026-12-01T10:50:00+01:00,30.0,1,A:10.0 B:5.0 A:15.0\n"
                           "not a visit,at,all,x\n"
                           "2026-12-03T15:05:00+01:00,90.0,5,A:90.0\n"
                           "start,seconds,interactions,scenes\n"
                           "2026-12-03T15:40:00+01:00,45.0,2,A:20.0 B:2\n"
                           "2026-12-03T16:00:00+01:00,12.0,1,A:12.0");
    const LogReading reading = readVisitLog(log);
    EXPECT_EQ(reading.unreadable, 3);
    EXPECT_EQ(reading.firstUnreadableAt, 4);
    const VisitFigures figures = summarise(reading.visits);
    ASSERT_EQ(figures.visits, 3);
    ASSERT_EQ(figures.days.size(), 3u);
    EXPECT_EQ(dateText(figures.days[1].day), "2026-12-02");
    EXPECT_EQ(figures.days[1].visits, 0);
    EXPECT_EQ(figures.days[0].visits, 2);
    EXPECT_DOUBLE_EQ(figures.medianSeconds, 60);
    EXPECT_DOUBLE_EQ(figures.meanSeconds, 60);
    EXPECT_EQ(figures.idleIncluded, 3) << "older lines hold until the reset";
    ASSERT_EQ(figures.scenes.size(), 2u);
    EXPECT_EQ(figures.scenes[0].key, "A");
    EXPECT_DOUBLE_EQ(figures.scenes[0].share, 1);
    EXPECT_DOUBLE_EQ(figures.scenes[0].medianSeconds, 25) << "both stays of a visit together";
    EXPECT_DOUBLE_EQ(figures.scenes[1].medianSeconds, 22.5);
    EXPECT_EQ(busiestHours(figures, 3), (std::vector<int>{10, 15}));
    EXPECT_EQ(dateText(*dayNumber("2028-02-28") + 1), "2028-02-29");
    EXPECT_EQ(dateText(lastDay), "9999-12-31");
    EXPECT_EQ(weekday(*dayNumber("2026-12-08")), "Tue");
    EXPECT_FALSE(dayNumber("2026-02-29"));
}

TEST(VisitReport, NewLinesHoldUntilTheLastInputAndFarDatesAreFolded) {
    std::istringstream log("start,seconds,last_input,interactions,scenes\n"
                           "2026-12-01T10:15:00+01:00,160.0,40.0,3,A:20.0 B:140.0\n"
                           "2026-12-01T10:20:00+01:00,121.0,0.0,0,A:121.0\n"
                           "2026-12-01T11:00:00+01:00,150.0,30.0,1,B:150.0\n"
                           "1970-01-01T01:00:00+01:00,130.0,10.0,2,A:130.0\n"
                           "9999-12-31T10:00:00+01:00,130.0,10.0,2,A:130.0\n"
                           "2026-12-01T11:00:00+01:00,150.0,150.1,1,B:150.0\n"
                           "0999-12-31T10:00:00+01:00,130.0,10.0,2,A:130.0\n"
                           "2026-12-02T10:00:00+01:00,86401.0,10.0,2,A:86401.0\n"
                           "2026-12-01T10:15:00+01:00,1e308,40.0,3,A:1e308\n");
    const LogReading reading = readVisitLog(log);
    EXPECT_EQ(reading.unreadable, 4);
    EXPECT_EQ(reading.firstUnreadableAt, 7);
    const VisitFigures figures = summarise(reading.visits);
    EXPECT_EQ(figures.visits, 4);
    EXPECT_EQ(figures.passersBy, 1);
    EXPECT_DOUBLE_EQ(figures.medianSeconds, 20);
    ASSERT_EQ(figures.days.size(), 5u) << "three days, two long gaps folded";
    EXPECT_EQ(figures.days[3].foldedDays, lastDay - *dayNumber("2026-12-02"));
    const std::string report = visitReport(figures, {{"a.csv", 5, 1, 0, 4, 7}});
    for (const char* shown :
         {"a.csv: 4 visits, 1 passer-by, 4 unreadable lines",
          "4 visits from 1970-01-01 to 9999-12-31\n", "11:00-12:00      1 visit\n"})
        EXPECT_NE(report.find(shown), std::string::npos) << shown << "\n" << report;

    EXPECT_EQ(countAxis(3).top, 3) << "0 1 2 3";
    EXPECT_EQ(countAxis(10).step, 2) << "0 2 4 6 8 10";
    EXPECT_EQ(countAxis(71).top, 80);
}

// Lines as the exhibit writes them, mangled at random (characters replaced,
// dropped, doubled), random bytes, and the extremes of every field. The
// reading and its report stay proportional to what was read; the test's
// timeout bounds the time.
std::string hostileLines(int count) {
    const std::string seeds[] = {"2026-12-01T10:15:00+01:00,160.0,40.0,3,A:20.0 B:140.0",
                                 "2026-12-01T10:50:00-03:30,30.0,1,A:10.0 B:5.0 A:15.0",
                                 "9999-12-31T23:59:59+14:00,86400.0,86400.0,1,A:86400.0",
                                 "1970-01-01T00:00:00-12:00,0.0,0.0,0,A:0.0"};
    const std::string alphabet = "0123456789-+:.,eETAa \t\x80";
    unsigned random = 2026;
    const auto next = [&](unsigned below) {
        random = random * 1103515245u + 12345u;
        return (random >> 8) % below;
    };
    std::string many = "2026-12-02T12:00:00+01:00,1.0,0.5,1,";
    for (int key = 0; key < 100; ++key)
        many += "k" + std::to_string(key) + ":0.0 ";
    std::string text = many + "A:1.0\n";
    for (int i = 0; i < count; ++i) {
        std::string line = seeds[next(4)];
        if (next(10) == 0)
            for (char& c : line)
                c = char(next(256));
        for (unsigned change = 0, changes = next(5); change < changes; ++change) {
            const std::size_t at = next(unsigned(line.size() + 1));
            const char c = alphabet[next(unsigned(alphabet.size()))];
            if (next(3) == 0)
                line.insert(at, 1, c);
            else if (at < line.size())
                next(2) ? line.erase(at, 1) : line.replace(at, 1, 1, c);
        }
        text += line + "\n";
    }
    return text;
}

TEST(VisitReport, RandomAndHostileLinesNeverStopTheReportNorSwellIt) {
    const std::string text = hostileLines(20000);
    std::istringstream log(text);
    const LogReading reading = readVisitLog(log);
    ASSERT_GT(reading.visits.size(), 1000u) << "some lines stay visits";
    const VisitFigures figures = summarise(reading.visits);
    EXPECT_LE(figures.days.size(), std::size_t(longestListedGap + 1) * reading.visits.size());
    EXPECT_LE(holdingHistogram(figures.holdingSeconds).counts.size(), 30u);
    const std::string report =
        visitReport(figures, {{"hostile.csv", int(reading.visits.size()), 0, 0, reading.unreadable,
                               reading.firstUnreadableAt}});
    EXPECT_LT(report.size(), 20 * text.size());
    EXPECT_EQ(report.find("-9"), std::string::npos) << "no time rounded past its range";
}

// A week of visits as the exhibit writes them, each ended two to three
// minutes after its last input, the museum closed on Monday, then a
// foreign line and a line torn by a power cut.
void writeMadeUpWeek(const std::string& path) {
    setenv("TZ", "CET-1", 1);
    tzset();
    std::ofstream log(path);
    log << visitCsvHeader() << "\n";
    const char* const keys[] = {"ProjectivePlane1", "ProjectivePlane2", "KleinBottle1", "Moebius",
                                "Moebius5",         "cubeocta",         "ring"};
    unsigned random = 12345;
    const auto next = [&](unsigned below) {
        random = random * 1103515245u + 12345u;
        return (random >> 16) % below;
    };
    const std::time_t sunday = 1795950000; // 2026-11-29 12:00 CET
    for (int day = 0; day < 7; ++day) {
        if (day == 1)
            continue;
        const int visits = 25 + int(next(30)) + (day >= 5 ? 30 : 0);
        for (int v = 0; v < visits; ++v) {
            const int hour = 10 + int(next(4) + next(5));
            VisitRecord record("ProjectivePlane1");
            int now = 0;
            record.input(now, sunday + (day * 24 + hour - 12) * 3600 + int(next(3600)));
            const unsigned seen = 1 + next(4) + next(3);
            for (unsigned scene = 1; scene < seen; ++scene) {
                now += 5000 + int(next(40000) * next(4));
                record.interaction(now, 0);
                record.sceneShown(keys[next(7)], now);
            }
            // A turn of the last scene's model; a few only pass by.
            if (seen > 1 || next(3) > 0) {
                now += 3000 + int(next(50000));
                record.interaction(now, 0);
            }
            log << visitCsvLine(*record.end(now + 120000 + int(next(60000)))) << "\n";
        }
    }
    log << "Lembovari,curator,notes\n2026-12-06T17:59:58+01:00,131.0,4,Moebius:13";
}

class VisitsTool : public ToolTest {
  protected:
    VisitsTool() : ToolTest(LEMBOVARI_VISITS) {}
};

TEST_F(VisitsTool, AWeeksReportAndPictureFromOneCommandAndRefusals) {
    // Kept in the build folder: README's picture is drawn from it.
    writeMadeUpWeek("visits-week.csv");
    expectEachRefused("lembovari-visits", {{},
                                           {"--from", "2026-13-01", "visits-week.csv"},
                                           {"--to"},
                                           {"--plot", output("week.svg"), "visits-week.csv"},
                                           {"--from", "2026-12-02", "--to", "2026-12-01", "x"},
                                           {"--bogus", "visits-week.csv"}});
    EXPECT_EQ(run({"--help"}).status, 0);
    const Outcome week = run({"--plot", output("week.png"), "--from", "2026-11-29", "--to",
                              "2026-12-05", "visits-week.csv"});
    EXPECT_EQ(week.status, 0) << week.err;
    EXPECT_EQ(week.err, "");
    for (const char* shown : {"2 unreadable lines (the first is line ", "2026-11-30 Mon      0\n",
                              "Holding time, from the first input to the last\n",
                              "  ProjectivePlane1   100 %", "Busiest hours\n"})
        EXPECT_NE(week.out.find(shown), std::string::npos) << shown << "\n" << week.out;
    const auto picture = readPng(output("week.png"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 1000);

    const Outcome days = run({"--from", "2026-12-04", "--to", "2026-12-04", "visits-week.csv"});
    EXPECT_NE(days.out.find("visits from 2026-12-04 to 2026-12-04"), std::string::npos) << days.out;

    std::ofstream(output("hostile.csv")) << hostileLines(2000);
    const Outcome hostile = run({"--plot", output("hostile.png"), output("hostile.csv")});
    EXPECT_EQ(hostile.status, 0) << hostile.err;
    const auto hostilePicture = readPng(output("hostile.png"));
    ASSERT_TRUE(hostilePicture);
    EXPECT_LT(hostilePicture->height, 1500) << "the scenes' rows are bounded";

    const Outcome missing = run({"visits-week.csv", output("none.csv")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1) << missing.err;
    EXPECT_NE(missing.out.find("Visits per day"), std::string::npos);
}

} // namespace
