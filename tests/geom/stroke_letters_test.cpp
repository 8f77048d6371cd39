// UTF-8 text taken apart into what the stroke font can draw.

#include "geom/stroke_letters.h"

#include <gtest/gtest.h>

namespace {

TEST(StrokeLetters, AccentedLettersSplitAndAnythingElseIsOneQuestionMark) {
    // ASCII, the accents of the five languages, then ß, a euro sign, a lone
    // continuation byte and a lead byte cut off at the end.
    const auto letters = strokeLetters("Cubo-àéîöñçÉÜí Maß € \x80\xC3");
    std::string bases, accents;
    for (const StrokeLetter& letter : letters) {
        bases += char(letter.base);
        accents += "-agcdts"[int(letter.accent)];
    }
    EXPECT_EQ(bases, "Cubo-aeioncEUi Ma? ? ??");
    EXPECT_EQ(accents, "-----gacdtsada---------");
}

} // namespace
