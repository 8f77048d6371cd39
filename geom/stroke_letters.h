#pragma once
// UTF-8 text as the stroke font can draw it. The font has only ASCII, so an
// accented letter of the Western European languages becomes its base letter
// and an accent that the drawing code adds over (or, for the cedilla, under)
// it. No GL here, so the decoding is checked without a display.

#include <string>
#include <vector>

enum class Accent { none, acute, grave, circumflex, diaeresis, tilde, cedilla };

struct StrokeLetter {
    unsigned char base = '?';
    Accent accent = Accent::none;
};

// ASCII bytes stay as they are, without accent; the letters U+00C0 to U+00FF
// become a base letter and an accent; any other character, and any broken
// sequence, becomes one '?'.
std::vector<StrokeLetter> strokeLetters(const std::string& utf8);
