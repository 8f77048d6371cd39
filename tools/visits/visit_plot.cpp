#include "tools/visits/visit_plot.h"

#include "tools/common/temporary_file.h"
#include "tools/visits/calendar_day.h"
#include "tools/visits/plot_scales.h"
#include "tools/visits/visit_report.h"

#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int width = 1000;
constexpr int left = 170; // room for the scenes' keys
constexpr int right = 40;
constexpr int chartHeight = 200;
constexpr int rowHeight = 24;
// The exhibit has sixteen scenes; logs of other builds may name more, and
// the picture keeps its size.
constexpr std::size_t mostSceneRows = 24;

struct Colour {
    double r, g, b;
};
constexpr Colour ink{0.15, 0.17, 0.2};
constexpr Colour grid{0.85, 0.87, 0.9};
constexpr Colour bar{0.04, 0.45, 0.55};

void use(cairo_t* cr, Colour colour) {
    cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
}

// Text with its left edge (align 0), centre (0.5) or right edge (1) at x and
// its baseline at y.
void text(cairo_t* cr, double x, double y, const std::string& words, double align = 0) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, words.c_str(), &extents);
    cairo_move_to(cr, x - align * extents.x_advance, y);
    cairo_show_text(cr, words.c_str());
}

void title(cairo_t* cr, double y, const std::string& words) {
    cairo_set_font_size(cr, 17);
    use(cr, ink);
    text(cr, left, y, words);
    cairo_set_font_size(cr, 12);
}

// A round number at least value, for the top of an axis: 1, 2 or 5 times a
// power of ten.
double niceCeiling(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(std::max(value, 1.0))));
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= value)
            return step * power;
    return 10 * power;
}

// The frame of a bar chart from top to top + chartHeight: horizontal grid
// lines at each of the axis's steps with their values on the left.
void valueAxis(cairo_t* cr, double top, const CountAxis& axis) {
    for (long value = 0; value <= axis.top; value += axis.step) {
        const double y = top + chartHeight - chartHeight * double(value) / double(axis.top);
        use(cr, grid);
        cairo_rectangle(cr, left, y, width - left - right, 1);
        cairo_fill(cr);
        use(cr, ink);
        text(cr, left - 8, y + 4, std::to_string(value), 1);
    }
}

// Vertical bars, one per value, labelled under every step-th bar.
void columns(cairo_t* cr, double top, const std::vector<double>& values,
             const std::vector<std::string>& labels) {
    const CountAxis axis = countAxis(*std::max_element(values.begin(), values.end()));
    valueAxis(cr, top, axis);
    const double topValue = double(axis.top);
    const double slot = double(width - left - right) / double(values.size());
    const std::size_t step = std::max<std::size_t>(1, std::size_t(std::ceil(60 / slot)));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double height = chartHeight * values[i] / topValue;
        use(cr, bar);
        cairo_rectangle(cr, left + slot * double(i) + slot * 0.1, top + chartHeight - height,
                        slot * 0.8, height);
        cairo_fill(cr);
        if (i % step == 0) {
            use(cr, ink);
            text(cr, left + slot * (double(i) + 0.5), top + chartHeight + 16, labels[i], 0.5);
        }
    }
}

void visitsPerDay(cairo_t* cr, double top, const VisitFigures& figures) {
    title(cr, top - 14, "Visits per day");
    std::vector<double> counts;
    std::vector<std::string> labels;
    for (const DayCount& day : figures.days) {
        counts.push_back(day.visits);
        labels.push_back(day.foldedDays > 0 ? "\u2026"
                                            : weekday(day.day) + " " + dateText(day.day).substr(5));
    }
    columns(cr, top, counts, labels);
}

void holdingTimes(cairo_t* cr, double top, const VisitFigures& figures) {
    const Histogram histogram = holdingHistogram(figures.holdingSeconds);
    const std::size_t bins = histogram.counts.size();
    const double binSeconds = histogram.binSeconds;
    std::vector<std::string> labels;
    for (std::size_t i = 0; i < bins; ++i) {
        const long seconds = long(double(i) * binSeconds);
        char label[32];
        std::snprintf(label, sizeof label, "%s%ld:%02ld", i + 1 == bins ? "\u2265 " : "",
                      seconds / 60, seconds % 60);
        labels.push_back(label);
    }
    title(cr, top - 14,
          "Holding time in minutes: visits by length, median " + duration(figures.medianSeconds) +
              ", mean " + duration(figures.meanSeconds));
    columns(cr, top, histogram.counts, labels);
}

void timePerScene(cairo_t* cr, double top, const VisitFigures& figures) {
    title(cr, top - 14, "Median time in each scene, and the share of visits that saw it");
    double longest = 1;
    for (const SceneFigures& scene : figures.scenes)
        longest = std::max(longest, scene.medianSeconds);
    const double scale = (width - left - right - 150) / niceCeiling(longest);
    double y = top;
    const std::size_t shown = std::min(figures.scenes.size(), mostSceneRows);
    for (std::size_t row = 0; row < shown; ++row) {
        const SceneFigures& scene = figures.scenes[row];
        use(cr, bar);
        cairo_rectangle(cr, left, y + 4, scale * scene.medianSeconds, rowHeight - 8);
        cairo_fill(cr);
        use(cr, ink);
        text(cr, left - 8, y + 16, scene.key, 1);
        text(cr, left + scale * scene.medianSeconds + 8, y + 16,
             duration(scene.medianSeconds) + ", " +
                 std::to_string(int(std::lround(scene.share * 100))) + " % of visits");
        y += rowHeight;
    }
    if (shown < figures.scenes.size())
        text(cr, left, y + 16,
             "and " + counted(long(figures.scenes.size() - shown), "more scene") +
                 ", in the text report");
}

cairo_status_t toDescriptor(void* fd, const unsigned char* data, unsigned length) {
    while (length > 0) {
        const ssize_t written = write(*static_cast<int*>(fd), data, length);
        if (written <= 0)
            return CAIRO_STATUS_WRITE_ERROR;
        data += written;
        length -= unsigned(written);
    }
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

std::string drawVisitPlot(const VisitFigures& figures, const std::string& path) {
    if (const std::string reason = unwritableReason(path); !reason.empty())
        return reason;
    const int sceneRows = int(std::clamp<std::size_t>(figures.scenes.size(), 1, mostSceneRows + 1));
    const int height = 3 * 60 + 2 * (chartHeight + 30) + sceneRows * rowHeight + 20;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    if (figures.visits > 0) {
        visitsPerDay(cr, 50, figures);
        holdingTimes(cr, 50 + chartHeight + 90, figures);
        timePerScene(cr, 50 + 2 * (chartHeight + 90), figures);
    } else {
        title(cr, 50, "No visits");
    }
    cairo_destroy(cr);

    TemporaryFile file(path);
    std::string problem = file.problem();
    if (problem.empty()) {
        int fd = file.takeDescriptor();
        if (cairo_surface_write_to_png_stream(surface, toDescriptor, &fd) != CAIRO_STATUS_SUCCESS)
            problem = "cannot write " + path;
        close(fd);
        if (problem.empty())
            problem = file.commit();
    }
    cairo_surface_destroy(surface);
    return problem;
}
