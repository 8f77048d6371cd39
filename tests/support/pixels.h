#pragma once
// Comparing pictures, for every test that looks at pixels: one colour type,
// one rule for when two colours are the same, and one way to count the
// pixels of a box that differ. Pictures come in several layouts (a GL back
// buffer read bottom up, an X image, a PNG file read top down); each gives
// its pixels through a function at(x, y), or as packed RGB bytes.

#include <cstddef>

namespace pixels {

// Red, green and blue from 0 to 255, held as int so that differences and
// sums do not wrap. Channel i is also (*this)[i], for loops over channels.
struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;

    constexpr int operator[](int i) const { return i == 0 ? r : i == 1 ? g : b; }
    constexpr bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    constexpr bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// Whether every channel is within tolerance of the other colour's.
bool near(const Rgb& a, const Rgb& b, int tolerance = 2);

// A rectangle of pixels in the picture's own coordinates.
struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The pixel (x, y) of packed RGB bytes, rows of width pixels each.
Rgb at(const unsigned char* rgb, int width, int x, int y);

// How many pixels of the box, as at(x, y) gives them, are not within
// tolerance of colour.
template <typename At> int countUnlike(Box box, const Rgb& colour, int tolerance, At&& at) {
    int count = 0;
    for (int y = box.y; y < box.y + box.height; ++y)
        for (int x = box.x; x < box.x + box.width; ++x)
            count += !near(at(x, y), colour, tolerance);
    return count;
}

// How many pixels of the box differ between two pictures by more than
// tolerance in some channel.
template <typename A, typename B> int countDifferent(Box box, int tolerance, A&& a, B&& b) {
    int count = 0;
    for (int y = box.y; y < box.y + box.height; ++y)
        for (int x = box.x; x < box.x + box.width; ++x)
            count += !near(a(x, y), b(x, y), tolerance);
    return count;
}

// The same for two pictures of packed RGB bytes, aByteCount and bByteCount
// long: every pixel of the longer one counts when their sizes differ.
int countDifferent(const unsigned char* a, std::size_t aByteCount, const unsigned char* b,
                   std::size_t bByteCount, int tolerance);

// For any container of bytes (std::string, std::vector<unsigned char>).
template <typename Bytes> int countDifferent(const Bytes& a, const Bytes& b, int tolerance) {
    return countDifferent(reinterpret_cast<const unsigned char*>(a.data()), a.size(),
                          reinterpret_cast<const unsigned char*>(b.data()), b.size(), tolerance);
}

} // namespace pixels
