#pragma once
// The label picture as stored in the program, in the coding label_image.h
// describes. Generated at build time from scenes/klein/label.rle.

#include <cstddef>

extern const unsigned char labelData[];
extern const std::size_t labelDataSize;
