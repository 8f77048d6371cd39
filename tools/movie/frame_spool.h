#pragma once
// Frames held back in an unnamed temporary file, to be read again in order:
// a GIF film's palette is fitted to all its frames before the first is
// written. The file has no name, so nothing is left however the process ends.

#include "tools/snapshot/png_writer.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

class FrameSpool {
  public:
    FrameSpool();
    ~FrameSpool();
    FrameSpool(const FrameSpool&) = delete;
    FrameSpool& operator=(const FrameSpool&) = delete;

    // Keeps image, to be shown count times: an empty string or a reason.
    std::string keep(const RgbImage& image, int count);
    // Hands every kept frame, in order, with its count to each, until each
    // gives a reason; that reason, or an empty string.
    std::string replay(const std::function<std::string(const RgbImage&, int)>& each);

  private:
    struct Kept {
        int width, height, count;
    };
    std::FILE* file = nullptr;
    std::vector<Kept> kept;
};
