// UTF-8 text taken apart into what the stroke font can draw.

#include "geom/stroke_letters.h"

#include <gtest/gtest.h>

namespace {

std::string bases(const std::vector<StrokeLetter>& letters) {
    std::string text;
    for (const StrokeLetter& letter : letters)
        text += char(letter.base);
    return text;
}

TEST(StrokeLetters, AsciiStaysAsItIsWithoutAccents) {
    const auto letters = strokeLetters("Cubo / ottaedro");
    EXPECT_EQ(bases(letters), "Cubo / ottaedro");
    for (const StrokeLetter& letter : letters)
        EXPECT_EQ(letter.accent, Accent::none);
}

TEST(StrokeLetters, WesternAccentsBecomeBaseLetterAndAccent) {
    const auto letters = strokeLetters("àéîöñçÉÜí");
    EXPECT_EQ(bases(letters), "aeioncEUi");
    const Accent expected[] = {Accent::grave,     Accent::acute,     Accent::circumflex,
                               Accent::diaeresis, Accent::tilde,     Accent::cedilla,
                               Accent::acute,     Accent::diaeresis, Accent::acute};
    ASSERT_EQ(letters.size(), std::size(expected));
    for (std::size_t i = 0; i < letters.size(); ++i)
        EXPECT_EQ(letters[i].accent, expected[i]) << i;
}

TEST(StrokeLetters, AnythingElseIsOneQuestionMark) {
    // ß, a euro sign, a lone continuation byte and a lead byte cut off at the end.
    EXPECT_EQ(bases(strokeLetters("Maß €1 \x80x\xC3")), "Ma? ?1 ?x?");
}

} // namespace
