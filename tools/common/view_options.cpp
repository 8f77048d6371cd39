#include "tools/common/view_options.h"

#include "app/option_table.h"
#include "ui/captions.h"
#include "ui/overlay_scale.h"

#include <cmath>

std::optional<int> downscaleFor(const std::string& text, std::string& error) {
    const std::size_t slash = text.find('/');
    double n = 0;
    if (slash != std::string::npos) {
        const auto one = parseWhole<int>(text.substr(0, slash));
        const auto whole = parseWhole<int>(text.substr(slash + 1));
        n = one == 1 && whole ? *whole : 0;
    } else if (const auto f = parseWhole<double>(text); f && *f > 0) {
        n = 1 / *f;
    }
    if (!(n >= 1 && n <= largestWindowSide) || std::fabs(n - std::round(n)) > 1e-9) {
        error = "--scale " + text + ": expected 1, 1/2 (or 0.5), 1/4 (or 0.25) or another 1/n";
        return std::nullopt;
    }
    return int(std::round(n));
}

std::vector<CommandOption> windowOptionTable(ViewOptions& view) {
    return {
        windowSizeOption("a window of that size, each side " + std::to_string(smallestWindowSide) +
                             " to " + std::to_string(largestWindowSide) +
                             ", the overlay scaled to fit it",
                         "800x600", view.width, view.height),
        {"--overlay-scale", "F",
         "the overlay F times its size, 0.5 to 8, instead of scaled to fit the window",
         "fitted to the window",
         [&view](const std::string& text) {
             const auto factor = overlayScaleIn(text);
             if (!factor)
                 return "--overlay-scale " + text + ": expected a factor from 0.5 to 8";
             view.overlayScale = *factor;
             return std::string();
         }},
        switchOption("--touch",
                     "the controls as the exhibit's --touch arranges them on a 96 dpi screen",
                     "off", view.touch, true),
    };
}

std::vector<CommandOption> viewOptionTable(ViewOptions& view) {
    std::vector<CommandOption> table = {
        {"--scale", "F", "the picture shrunk by F, 1/n or its decimal, averaging blocks", "1",
         [&view](const std::string& text) {
             std::string error;
             const auto factor = downscaleFor(text, error);
             view.downscale = factor.value_or(view.downscale);
             return error;
         }},
    };
    for (CommandOption& option : windowOptionTable(view))
        table.push_back(std::move(option));
    table.push_back({"--language", "CODE",
                     "captions, credits and the bottle's label in that language: " + languageList(),
                     languageCodes().front(), [&view](const std::string& code) {
                         if (!isLanguageCode(code))
                             return "--language " + code + ": expected " + languageList();
                         view.language = code;
                         return std::string();
                     }});
    table.push_back({"--open", "menu|logo", "the scene menu unfolded, or the emblem's credits open",
                     "neither", [&view](const std::string& which) {
                         if (which != "menu" && which != "logo")
                             return "--open " + which + ": expected menu or logo";
                         view.open = which;
                         return std::string();
                     }});
    return table;
}
