#include "tools/movie/frame_spool.h"

#include <cerrno>
#include <cstring>

FrameSpool::FrameSpool() : file(std::tmpfile()) {}

FrameSpool::~FrameSpool() {
    if (file)
        std::fclose(file);
}

std::string FrameSpool::keep(const RgbImage& image, int count) {
    if (!file ||
        std::fwrite(image.pixels.data(), 1, image.pixels.size(), file) != image.pixels.size())
        return std::string("cannot hold the frames back: ") + std::strerror(errno);
    kept.push_back({image.width, image.height, count});
    return "";
}

std::string FrameSpool::replay(const std::function<std::string(const RgbImage&, int)>& each) {
    if (!file || std::fseek(file, 0, SEEK_SET) != 0)
        return "cannot read the held frames back";
    for (const Kept& k : kept) {
        RgbImage image{k.width, k.height,
                       std::vector<unsigned char>(std::size_t(k.width) * k.height * 3)};
        if (std::fread(image.pixels.data(), 1, image.pixels.size(), file) != image.pixels.size())
            return "cannot read the held frames back";
        const std::string reason = each(image, k.count);
        if (!reason.empty())
            return reason;
    }
    return "";
}
