#include "tools/common/view_options.h"

#include "tools/common/parse_whole.h"
#include "ui/captions.h"
#include "ui/overlay_scale.h"

#include <algorithm>
#include <cmath>

namespace {

std::string sizeInto(ViewOptions& view, const std::string& text) {
    const std::size_t x = text.find('x');
    const auto w = parseWhole<int>(text.substr(0, x));
    const auto h = x == std::string::npos ? std::nullopt : parseWhole<int>(text.substr(x + 1));
    const auto fits = [](std::optional<int> side) {
        return side && *side >= 100 && *side <= largestWindowSide;
    };
    if (!fits(w) || !fits(h))
        return "--size " + text + ": expected WIDTHxHEIGHT, each from 100 to 8192";
    view.width = *w;
    view.height = *h;
    return "";
}

std::string overlayScaleInto(ViewOptions& view, const std::string& text) {
    const auto factor = parseWhole<double>(text);
    if (!factor || !(*factor >= OverlayScale::smallest && *factor <= OverlayScale::largest))
        return "--overlay-scale " + text + ": expected a factor from 0.5 to 8";
    view.overlayScale = *factor;
    return "";
}

} // namespace

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

std::vector<ToolOption> windowOptionTable(ViewOptions& view) {
    return {
        {"--size", "WxH",
         "a window of that size, each side 100 to 8192, the overlay scaled to fit it", "800x600",
         [&view](const std::string& text) { return sizeInto(view, text); }},
        {"--overlay-scale", "F",
         "the overlay F times its size, 0.5 to 8, instead of scaled to fit the window",
         "fitted to the window",
         [&view](const std::string& text) { return overlayScaleInto(view, text); }},
    };
}

std::vector<ToolOption> viewOptionTable(ViewOptions& view) {
    std::vector<ToolOption> table = {
        {"--scale", "F", "the picture shrunk by F, 1/n or its decimal, averaging blocks", "1",
         [&view](const std::string& text) {
             std::string error;
             const auto factor = downscaleFor(text, error);
             view.downscale = factor.value_or(view.downscale);
             return error;
         }},
    };
    for (ToolOption& option : windowOptionTable(view))
        table.push_back(std::move(option));
    const std::vector<ToolOption> rest = {
        {"--language", "CODE",
         "captions, credits and the bottle's label in that language: " + languageList(),
         languageCodes().front(),
         [&view](const std::string& code) {
             const auto& codes = languageCodes();
             if (std::find(codes.begin(), codes.end(), code) == codes.end())
                 return "--language " + code + ": expected " + languageList();
             view.language = code;
             return std::string();
         }},
        {"--open", "menu|logo", "the scene menu unfolded, or the emblem's credits open", "neither",
         [&view](const std::string& which) {
             if (which != "menu" && which != "logo")
                 return "--open " + which + ": expected menu or logo";
             view.open = which;
             return std::string();
         }},
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}
