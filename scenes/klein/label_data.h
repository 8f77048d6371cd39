#pragma once
// The label pictures as stored in the program, one per language, in the
// coding label_image.h describes. Generated at build time from
// scenes/klein/labels/*.rle.

#include <cstddef>

struct EmbeddedLabel {
    const char* language; // a code of the exhibit's languages
    const unsigned char* data;
    std::size_t size;
};

// Italian first: the label of a language without its own.
extern const EmbeddedLabel embeddedLabels[];
extern const std::size_t embeddedLabelCount;
