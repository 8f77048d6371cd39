#include "tools/export/export_options.h"

#include "ui/captions.h"

#include <charconv>
#include <cmath>

namespace {

// A plain decimal number of millimetres, finite.
std::optional<double> millimetres(const std::string& text) {
    const auto v = parseWhole<double>(text);
    if (!v || !std::isfinite(*v))
        return std::nullopt;
    return v;
}

std::string shortest(double v) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
}

} // namespace

std::vector<CommandOption> exportOptionTable(ExportOptions& options) {
    return {
        {"--size", "MM",
         "the model's longest side in millimetres, 10 to 1000, measured before its\n"
         "surfaces are thickened",
         "100",
         [&options](const std::string& text) {
             const auto size = millimetres(text);
             if (!size || *size < smallestPrint || *size > largestPrint)
                 return "--size " + text + ": expected millimetres from 10 to 1000";
             options.print.size = *size;
             return std::string();
         }},
        {"--thickness", "MM",
         "the wall a surface is thickened into, in millimetres, more than 0 and at\n"
         "most a quarter of --size",
         "2",
         [&options](const std::string& text) {
             const auto thickness = millimetres(text);
             if (!thickness || !(*thickness > 0))
                 return "--thickness " + text + ": expected millimetres more than 0";
             options.print.thickness = *thickness;
             return std::string();
         }},
        wholeNumberOption("--detail",
                          "the surfaces sampled N times finer than on screen, 1 to " +
                              std::to_string(finestDetail),
                          "1", options.detail, 1, finestDetail),
        {"--language", "CODE", "the language of the bottle's label: " + languageList(),
         languageCodes().front(),
         [&options](const std::string& code) {
             if (!isLanguageCode(code))
                 return "--language " + code + ": expected " + languageList();
             options.language = code;
             return std::string();
         }},
        switchOption("--list", "every scene's key and controls, instead of a model", "off",
                     options.list, true),
    };
}

std::string exportOptionsProblem(const ExportOptions& options) {
    if (options.print.thickness > options.print.size / 4)
        return "--thickness: at most a quarter of --size (" + shortest(options.print.size / 4) +
               " mm)";
    return "";
}
