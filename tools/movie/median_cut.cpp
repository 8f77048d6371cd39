#include "tools/movie/median_cut.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int binBits = 5;
constexpr int binsPerChannel = 1 << binBits;

int binOf(const unsigned char* p) {
    return (p[0] >> (8 - binBits) << binBits | p[1] >> (8 - binBits)) << binBits |
           p[2] >> (8 - binBits);
}

// One occupied bin: its mean colour and weight.
struct Shade {
    std::array<double, 3> colour;
    double count;
};

// Shades [begin, end) of one box, with their weighted spread.
struct Box {
    std::size_t begin, end;
    double error = 0; // sum of count times squared distance from the mean
    int axis = 0;     // the channel of largest spread
};

void measure(Box& box, const std::vector<Shade>& shades) {
    double count = 0;
    std::array<double, 3> sum{}, squares{};
    for (std::size_t i = box.begin; i < box.end; ++i)
        for (int c = 0; c < 3; ++c) {
            sum[c] += shades[i].count * shades[i].colour[c];
            squares[c] += shades[i].count * shades[i].colour[c] * shades[i].colour[c];
        }
    for (std::size_t i = box.begin; i < box.end; ++i)
        count += shades[i].count;
    box.error = 0;
    double widest = -1;
    for (int c = 0; c < 3; ++c) {
        const double spread = squares[c] - sum[c] * sum[c] / count;
        box.error += spread;
        if (spread > widest) {
            widest = spread;
            box.axis = c;
        }
    }
}

Rgb8 meanOf(const Box& box, const std::vector<Shade>& shades) {
    std::array<double, 3> sum{};
    double count = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c)
            sum[c] += shades[i].count * shades[i].colour[c];
        count += shades[i].count;
    }
    Rgb8 mean;
    for (int c = 0; c < 3; ++c)
        mean[c] = static_cast<unsigned char>(std::clamp(sum[c] / count + 0.5, 0.0, 255.0));
    return mean;
}

} // namespace

ColourHistogram::ColourHistogram() : bins(std::size_t(1) << (3 * binBits)) {}

void ColourHistogram::add(const RgbImage& image, const std::vector<Rgb8>& left, int weight) {
    for (std::size_t i = 0; i + 2 < image.pixels.size(); i += 3) {
        const unsigned char* p = &image.pixels[i];
        if (std::find(left.begin(), left.end(), Rgb8{p[0], p[1], p[2]}) != left.end())
            continue;
        Bin& bin = bins[std::size_t(binOf(p))];
        bin.count += std::uint64_t(weight);
        for (int c = 0; c < 3; ++c)
            bin.sum[c] += std::uint64_t(weight) * p[c];
    }
}

std::vector<Rgb8> ColourHistogram::medianCut(int colours) const {
    std::vector<Shade> shades;
    for (const Bin& bin : bins)
        if (bin.count > 0) {
            const double n = double(bin.count);
            shades.push_back({{bin.sum[0] / n, bin.sum[1] / n, bin.sum[2] / n}, n});
        }
    std::vector<Rgb8> found;
    if (shades.empty())
        return found;
    std::vector<Box> boxes{{0, shades.size()}};
    measure(boxes[0], shades);
    while (int(boxes.size()) < colours) {
        // The box whose cut lowers the error most is, near enough, the one
        // with the largest error; it is cut at its median along its widest
        // channel.
        const auto worst =
            std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
                return (a.end - a.begin > 1 ? a.error : -1) < (b.end - b.begin > 1 ? b.error : -1);
            });
        if (worst->end - worst->begin < 2)
            break;
        Box box = *worst;
        const auto first = shades.begin() + std::ptrdiff_t(box.begin);
        const auto last = shades.begin() + std::ptrdiff_t(box.end);
        std::sort(first, last, [&](const Shade& a, const Shade& b) {
            return a.colour[box.axis] < b.colour[box.axis];
        });
        double total = 0;
        for (auto s = first; s != last; ++s)
            total += s->count;
        std::size_t cut = box.begin;
        for (double below = 0; cut + 1 < box.end && below + shades[cut].count <= total / 2; ++cut)
            below += shades[cut].count;
        cut = std::clamp(cut, box.begin + 1, box.end - 1);
        Box low{box.begin, cut}, high{cut, box.end};
        measure(low, shades);
        measure(high, shades);
        *worst = low;
        boxes.push_back(high);
    }
    for (const Box& box : boxes)
        found.push_back(meanOf(box, shades));
    return found;
}
