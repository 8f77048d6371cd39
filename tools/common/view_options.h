#pragma once
// How the snapshot and movie tools show a scene, read the same way by both:
// the picture's scale, the window's size and the overlay's, the language, and
// the overlay item held open. The benchmark reads the window's size and the
// overlay's the same way.

#include "app/option_table.h"

#include <optional>
#include <string>
#include <vector>

struct ViewOptions {
    int downscale = 1; // the picture is shrunk by this factor
    int width = 0;     // the window's size; 0 by 0 for the exhibit's own
    int height = 0;
    double overlayScale = 0; // a fixed factor of the overlay, or 0 to fit the window
    bool touch = false;      // finger-sized controls, wrapped on narrow windows
    std::string language;    // a code of languageCodes, or empty for the exhibit's own
    std::string open;        // "menu", "logo" or empty
};

// The factor of a --scale argument: 1/n or its decimal (0.5, 0.25, 0.125)
// for a whole n, so that every output pixel is a whole block. Otherwise
// nothing, and error says why in one line.
std::optional<int> downscaleFor(const std::string& text, std::string& error);

// --size WxH and --overlay-scale F, read into view.
std::vector<CommandOption> windowOptionTable(ViewOptions& view);

// --scale F, the window's options above, --language CODE and --open
// menu|logo, read into view.
std::vector<CommandOption> viewOptionTable(ViewOptions& view);
