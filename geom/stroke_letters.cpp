#include "geom/stroke_letters.h"

namespace {

// U+00C0 to U+00DF and U+00E0 to U+00FF, one column per character: the base
// letter, and its accent (g grave, a acute, c circumflex, t tilde, d
// diaeresis, s cedilla, . none). Å is drawn as A; Æ, Ø, ß and the like
// have no base letter in the font.
constexpr const char* upperBases = "AAAAAA?CEEEEIIII?NOOOOO??UUUUY??";
constexpr const char* lowerBases = "aaaaaa?ceeeeiiii?nooooo??uuuuy?y";
constexpr const char* upperAccents = "gactd..sgacdgacd.tgactd..gacda..";
constexpr const char* lowerAccents = "gactd..sgacdgacd.tgactd..gacda.d";

Accent accentOf(char code) {
    switch (code) {
    case 'g':
        return Accent::grave;
    case 'a':
        return Accent::acute;
    case 'c':
        return Accent::circumflex;
    case 't':
        return Accent::tilde;
    case 'd':
        return Accent::diaeresis;
    case 's':
        return Accent::cedilla;
    default:
        return Accent::none;
    }
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::vector<StrokeLetter> strokeLetters(const std::string& utf8) {
    std::vector<StrokeLetter> letters;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            letters.push_back({byte, Accent::none});
            continue;
        }
        StrokeLetter letter;
        const bool latin = (byte == 0xC3) && i + 1 < utf8.size() &&
                           isContinuation(static_cast<unsigned char>(utf8[i + 1]));
        if (latin) {
            const int column = static_cast<unsigned char>(utf8[i + 1]) & 0x1F;
            const bool lower = static_cast<unsigned char>(utf8[i + 1]) >= 0xA0;
            letter.base = static_cast<unsigned char>((lower ? lowerBases : upperBases)[column]);
            if (letter.base != '?')
                letter.accent = accentOf((lower ? lowerAccents : upperAccents)[column]);
        }
        // The rest of the sequence belongs to this one character.
        while (i + 1 < utf8.size() && isContinuation(static_cast<unsigned char>(utf8[i + 1])))
            ++i;
        letters.push_back(letter);
    }
    return letters;
}
