#pragma once
// The picture on the labelled Klein bottle and the run-length coding it is
// stored in inside the program:
//   bytes 0-1 width, 2-3 height (big-endian), then packets, each opened by a
//   control byte k: 0 ends the data; 1 to 127 is one RGB triple repeated
//   k + 1 times; 128 to 255 is 256 - k literal RGB triples.

#include <cstddef>
#include <optional>
#include <vector>

struct LabelImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels; // width * height RGB triples, row by row
};

// The image the data codes, or none unless it codes exactly width x height
// pixels (both above 0) and ends with its end byte; bytes after the end byte
// are not read. Never reads outside data or writes outside the image, and
// allocates only for data that decodes whole.
std::optional<LabelImage> decodeLabelImage(const unsigned char* data, std::size_t size);
