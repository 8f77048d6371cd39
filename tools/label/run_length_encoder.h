#pragma once
// The run-length coding of the label picture (scenes/klein/label_image.h
// describes it), free of any drawing library so that tests can round-trip it.

#include <vector>

// The coded bytes of a width x height picture of RGB triples, row by row:
// runs of two or more equal pixels as repeat packets, everything else as
// literal packets, then the end byte. Empty unless 1 <= width, height <= 65535.
std::vector<unsigned char> encodeRunLength(int width, int height,
                                           const std::vector<unsigned char>& rgb);
