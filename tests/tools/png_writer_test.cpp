// PNG files that are complete or absent, and the box filter of small pictures.

#include "tests/tools/png_reader.h"
#include "tools/snapshot/png_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class PngWriter : public testing::Test {
  protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "lembovari-png-test.XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        folder = name;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path folder;
};

RgbImage gradient(int width, int height) {
    RgbImage image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.pixels.insert(image.pixels.end(), {static_cast<unsigned char>(x * 40),
                                                     static_cast<unsigned char>(y * 90),
                                                     static_cast<unsigned char>(x + y)});
    return image;
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

std::string readText(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(PngWriter, ReplacesAFileWithThePixelsTopRowFirstAndNothingElse) {
    const RgbImage image = gradient(5, 3);
    const std::string path = (folder / "picture.png").string();
    writeText(path, "an older picture");
    ASSERT_EQ(writePng(path, image), "");
    const auto back = readPng(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 5);
    EXPECT_EQ(back->height, 3);
    EXPECT_EQ(back->pixels, image.pixels);
    EXPECT_EQ(entries(), std::vector<std::string>{"picture.png"});

    // Readable by others, like any file the process creates under umask 022.
    const mode_t mask = umask(022);
    ASSERT_EQ(writePng(path, image), "");
    umask(mask);
    struct stat status;
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
}

TEST_F(PngWriter, AFailureLeavesEverythingAsItWas) {
    const fs::path path = folder / "picture.png";
    writeText(path, "an older picture");
    RgbImage malformed = gradient(4, 4);
    malformed.pixels.pop_back();
    EXPECT_NE(writePng(path.string(), malformed), "");
    EXPECT_NE(writePng(path.string(), RgbImage{}), "");
    EXPECT_EQ(readText(path), "an older picture");
    EXPECT_EQ(entries().size(), 1u);

    const std::string reason =
        writePng((folder / "missing" / "picture.png").string(), gradient(2, 2));
    EXPECT_NE(reason, "");
    EXPECT_EQ(reason.find('\n'), std::string::npos);
    EXPECT_EQ(entries().size(), 1u);

    // A failure as late as the rename takes the temporary file away too.
    const fs::path folderInTheWay = folder / "taken.png";
    fs::create_directories(folderInTheWay / "inside");
    EXPECT_NE(writePng(folderInTheWay.string(), gradient(2, 2)), "");
    EXPECT_EQ(entries().size(), 2u);
}

TEST(BoxDownscale, AveragesEachBlockAndDropsWhatIsLeftOver) {
    // 5 by 3 at factor 2: one row of two blocks, the last column and row dropped.
    RgbImage image{5, 3, std::vector<unsigned char>(5 * 3 * 3, 200)};
    const unsigned char block[4] = {0, 1, 255, 255}; // red of the first block's pixels
    image.pixels[0] = block[0];
    image.pixels[3] = block[1];
    image.pixels[15] = block[2];
    image.pixels[18] = block[3];
    const RgbImage small = boxDownscale(image, 2);
    ASSERT_EQ(small.width, 2);
    ASSERT_EQ(small.height, 1);
    ASSERT_EQ(small.pixels.size(), 6u);
    EXPECT_EQ(small.pixels[0], 128); // 511 / 4 = 127.75, rounded
    EXPECT_EQ(small.pixels[1], 200);
    EXPECT_EQ(small.pixels[3], 200);

    EXPECT_EQ(boxDownscale(image, 1).pixels, image.pixels);
}

} // namespace
