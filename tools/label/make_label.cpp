// make-klein-label: draws the label of the labelled Klein bottle in every
// language the exhibit speaks and writes each in the program's stored coding.
//
// Regenerate scenes/klein/labels/*.rle with one command (Debian:
// libcairo2-dev and fonts-dejavu-core; the target exists once CMake has found
// cairo):
//
//     cmake --build build --target klein-label
//
// or by hand: make-klein-label scenes/klein/labels [PREVIEW_FOLDER]
// which writes CODE.rle for every language (and CODE.png into the preview
// folder: the decoded stored picture, mirrored left to right as the program
// keeps it).
//
// The label is 512 by 512 pixels: a red frame with the motto along its top
// and three properties of the surface along its other sides, a light cyan
// field with the year, a black oval with an orange rim lettered with the
// bottle's name under a looped figure, and a green and a yellow star. Every
// language has the same picture; only the words change.

#include "scenes/klein/label_image.h"
#include "tools/label/run_length_encoder.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int size = 512;
// Widths of the red frame: wider along the sides, which the bottle's curve
// foreshortens.
constexpr double side = 94;
constexpr double band = 74;
constexpr double pi = 3.14159265358979323846;

struct Colour {
    double r, g, b;
};
constexpr Colour frameRed{0.72, 0.11, 0.10};
constexpr Colour darkRed{0.45, 0.05, 0.05};
constexpr Colour cream{1.0, 0.96, 0.84};
constexpr Colour fieldCyan{0.80, 0.95, 0.96};
constexpr Colour orange{0.96, 0.55, 0.10};
constexpr Colour gold{0.93, 0.76, 0.30};
constexpr Colour green{0.12, 0.62, 0.22};
constexpr Colour yellow{1.0, 0.85, 0.10};

// The label's words in one language. The bottle's name is a small line and a
// large one; the small line stands above the large one unless smallBelow.
struct LabelTexts {
    const char* code;
    const char* motto;
    const char* bottom[2]; // along the bottom
    const char* left[2];   // read from the bottom up
    const char* right[2];  // read from the top down
    const char* small;
    const char* large;
    bool smallBelow;
    double largePixels; // the large line's size, smaller for a longer word
};

// Italian first: the exhibit's own language. DejaVu Sans and Serif draw
// every letter of these (all of Latin-1 and the typographic apostrophe).
const LabelTexts languages[] = {
    {"it",
     "La delizia del Topologo",
     {"Fatta di due", "nastri di Möbius"},
     {"Caratteristica", "di Eulero: 0"},
     {"Non orientabile", "e senza bordo"},
     "Bottiglia di",
     "Klein",
     false,
     72},
    {"en",
     "The Topologist’s Delight",
     {"Made of two", "Möbius strips"},
     {"Euler", "characteristic: 0"},
     {"Non-orientable", "with no boundary"},
     "bottle",
     "Klein",
     true,
     72},
    {"de",
     "Die Freude des Topologen",
     {"Aus zwei", "Möbiusbändern"},
     {"Euler-", "Charakteristik: 0"},
     {"Nicht orientierbar", "und ohne Rand"},
     "Kleinsche",
     "Flasche",
     false,
     50},
    {"fr",
     "Le délice du topologue",
     {"Faite de deux", "rubans de Möbius"},
     {"Caractéristique", "d’Euler : 0"},
     {"Non orientable", "et sans bord"},
     "Bouteille de",
     "Klein",
     false,
     72},
    {"es",
     "La delicia del topólogo",
     {"Hecha de dos", "bandas de Möbius"},
     {"Característica", "de Euler: 0"},
     {"No orientable", "y sin borde"},
     "Botella de",
     "Klein",
     false,
     72},
};

void use(cairo_t* cr, Colour c) {
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
}

void font(cairo_t* cr, const char* family, bool bold, double pixels) {
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, pixels);
}

// Text centred on (x, y) (y the middle of its capitals), turned by angle
// radians, shrunk to fit within maxWidth.
void centredText(cairo_t* cr, const std::string& text, double x, double y, double angle,
                 double maxWidth) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_text_extents_t capital;
    cairo_text_extents(cr, "H", &capital);
    const double scale = extents.x_advance > maxWidth ? maxWidth / extents.x_advance : 1.0;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, scale, 1.0);
    cairo_move_to(cr, -extents.x_advance / 2, capital.height / 2);
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
}

void star(cairo_t* cr, double cx, double cy, double outer, Colour fill) {
    const double inner = outer * 0.42;
    cairo_new_path(cr);
    for (int k = 0; k < 10; ++k) {
        const double a = -pi / 2 + k * pi / 5;
        const double r = k % 2 == 0 ? outer : inner;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    use(cr, fill);
    cairo_fill_preserve(cr);
    use(cr, darkRed);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

// A small four-pointed ornament for the frame's corners.
void diamond(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - r);
    cairo_line_to(cr, cx + r * 0.45, cy);
    cairo_line_to(cr, cx, cy + r);
    cairo_line_to(cr, cx - r * 0.45, cy);
    cairo_close_path(cr);
    cairo_move_to(cr, cx - r, cy);
    cairo_line_to(cr, cx, cy - r * 0.45);
    cairo_line_to(cr, cx + r, cy);
    cairo_line_to(cr, cx, cy + r * 0.45);
    cairo_close_path(cr);
    use(cr, gold);
    cairo_fill(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
    cairo_restore(cr);
}

void drawFrame(cairo_t* cr) {
    use(cr, frameRed);
    cairo_paint(cr);
    // Gold rules along the outer edge and around the field.
    use(cr, gold);
    cairo_set_line_width(cr, 3);
    cairo_rectangle(cr, 7, 7, size - 14, size - 14);
    cairo_stroke(cr);
    use(cr, fieldCyan);
    cairo_rectangle(cr, side, band, size - 2 * side, size - 2 * band);
    cairo_fill(cr);
    use(cr, gold);
    cairo_set_line_width(cr, 4);
    cairo_rectangle(cr, side - 2, band - 2, size - 2 * side + 4, size - 2 * band + 4);
    cairo_stroke(cr);
    use(cr, darkRed);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, side + 6, band + 6, size - 2 * side - 12, size - 2 * band - 12);
    cairo_stroke(cr);
    for (double x : {side / 2, size - side / 2})
        for (double y : {band / 2, size - band / 2})
            diamond(cr, x, y, 14);
}

// Two lines centred on (x, y), turned by angle radians.
void twoLines(cairo_t* cr, const std::string& first, const std::string& second, double x, double y,
              double angle, double room, double gap) {
    const double dx = -std::sin(angle) * gap / 2, dy = std::cos(angle) * gap / 2;
    centredText(cr, first, x - dx, y - dy, angle, room);
    centredText(cr, second, x + dx, y + dy, angle, room);
}

void drawFrameTexts(cairo_t* cr, const LabelTexts& t) {
    const double middle = band / 2 + 2, sideMiddle = side / 2 + 1;
    const double across = size - 2 * side - 6, along = size - 2 * band - 6;
    use(cr, cream);
    font(cr, "DejaVu Sans", true, 33);
    centredText(cr, t.motto, size / 2.0, middle, 0, across + 70);
    // Each statement reads along its side: from the bottom up on the left,
    // from the top down on the right.
    font(cr, "DejaVu Sans", true, 27);
    twoLines(cr, t.bottom[0], t.bottom[1], size / 2.0, size - middle, 0, across, 30);
    font(cr, "DejaVu Sans", true, 33);
    twoLines(cr, t.left[0], t.left[1], sideMiddle, size / 2.0, -pi / 2, along, 38);
    twoLines(cr, t.right[0], t.right[1], size - sideMiddle, size / 2.0, pi / 2, along, 38);
}

// A figure-eight of two loops (Gerono's lemniscate) about (cx, cy).
void figureEight(cairo_t* cr, double cx, double cy, double halfWidth, double halfHeight) {
    cairo_new_path(cr);
    for (int k = 0; k <= 120; ++k) {
        const double t = 2 * pi * k / 120;
        cairo_line_to(cr, cx + halfWidth * std::cos(t), cy + halfHeight * std::sin(2 * t));
    }
    cairo_close_path(cr);
    use(cr, cream);
    cairo_set_line_width(cr, 5.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void drawField(cairo_t* cr, const LabelTexts& t) {
    const double cx = size / 2.0;
    use(cr, darkRed);
    font(cr, "DejaVu Sans", true, 36);
    centredText(cr, "1882", cx, 116, 0, 200);

    const double cy = 262, rx = 144, ry = 104;
    ellipse(cr, cx, cy, rx, ry);
    use(cr, orange);
    cairo_fill(cr);
    ellipse(cr, cx, cy, rx - 13, ry - 13);
    cairo_set_source_rgb(cr, 0.04, 0.04, 0.05);
    cairo_fill(cr);
    ellipse(cr, cx, cy, rx - 20, ry - 20);
    use(cr, orange);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    figureEight(cr, cx, cy - 62, 38, 15);
    use(cr, cream);
    // The two lines of the name trade places where the language puts the
    // small word last; the large line then rises under the figure.
    font(cr, "DejaVu Serif", false, 32);
    centredText(cr, t.small, cx, t.smallBelow ? cy + 50 : cy - 18, 0, 215);
    font(cr, "DejaVu Serif", true, t.largePixels);
    centredText(cr, t.large, cx, t.smallBelow ? cy + 2 : cy + 38, 0, 200);

    star(cr, cx - 48, 403, 23, green);
    star(cr, cx + 48, 403, 23, yellow);
}

// The picture as the program stores it: the label turned upside down, so
// that its top edge lies on the last row, which the bottle's first view shows
// uppermost, and then mirrored left to right, as the bottle reads it with its
// horizontal coordinate reversed. The two together keep the columns and
// reverse the rows.
std::vector<unsigned char> storedPixels(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<unsigned char> rgb(std::size_t(size) * size * 3);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            // CAIRO_FORMAT_RGB24: one native-endian 32-bit word per pixel.
            std::uint32_t word;
            const int turnedX = size - 1 - x, turnedY = size - 1 - y;
            const int mirroredX = size - 1 - turnedX;
            std::memcpy(&word, data + turnedY * stride + 4 * mirroredX, 4);
            unsigned char* to = &rgb[(std::size_t(y) * size + x) * 3];
            to[0] = (unsigned char)(word >> 16);
            to[1] = (unsigned char)(word >> 8);
            to[2] = (unsigned char)word;
        }
    return rgb;
}

bool writePreview(const LabelImage& image, const char* path) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const unsigned char* p = &image.pixels[(std::size_t(y) * image.width + x) * 3];
            const std::uint32_t word = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
            std::memcpy(data + y * stride + 4 * x, &word, 4);
        }
    cairo_surface_mark_dirty(surface);
    const bool ok = cairo_surface_write_to_png(surface, path) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

// Draws the label in the words of t and writes it to folder/CODE.rle, and
// its preview to previewFolder/CODE.png unless previewFolder is empty. False,
// with the reason on standard error, when something failed.
bool writeLabel(const LabelTexts& t, const std::string& folder, const std::string& previewFolder) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size, size);
    cairo_t* cr = cairo_create(surface);
    drawFrame(cr);
    drawFrameTexts(cr, t);
    drawField(cr, t);
    cairo_destroy(cr);
    const std::vector<unsigned char> rgb = storedPixels(surface);
    cairo_surface_destroy(surface);

    const std::vector<unsigned char> coded = encodeRunLength(size, size, rgb);
    const std::optional<LabelImage> check = decodeLabelImage(coded.data(), coded.size());
    if (!check || check->pixels != rgb) {
        std::fprintf(stderr,
                     "make-klein-label: the coded %s label does not decode to the picture\n",
                     t.code);
        return false;
    }
    const std::string path = folder + "/" + t.code + ".rle";
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary);
        out.write(reinterpret_cast<const char*>(coded.data()), std::streamsize(coded.size()));
        if (!out) {
            std::fprintf(stderr, "make-klein-label: cannot write %s\n", temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "make-klein-label: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s: %zu bytes\n", path.c_str(), coded.size());
    const std::string preview = previewFolder + "/" + t.code + ".png";
    if (!previewFolder.empty() && !writePreview(*check, preview.c_str())) {
        std::fprintf(stderr, "make-klein-label: cannot write %s\n", preview.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make-klein-label FOLDER [PREVIEW_FOLDER]\n");
        return 2;
    }
    for (const LabelTexts& t : languages)
        if (!writeLabel(t, argv[1], argc == 3 ? argv[2] : ""))
            return 1;
    return 0;
}
