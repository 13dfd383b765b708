// The single-instance guard and the picture reader of the build without Qt.
#include <gtest/gtest.h>

#include "admin/Bitmap.h"
#include "platform/headless/FolderInstance.h"
#include "platform/headless/HeaderPictures.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

TEST(FolderInstance, OneHolderPerDataFolderUntilItEnds) {
    TempDir data;
    TempDir other;
    auto first = std::make_unique<FolderInstance>();
    FolderInstance second;
    ASSERT_TRUE(first->Claim(data.Path()));
    EXPECT_FALSE(second.Claim(data.Path()));
    EXPECT_TRUE(FolderInstance().Claim(other.Path()));
    first.reset();
    EXPECT_TRUE(second.Claim(data.Path()));
}

TEST(FolderInstance, AFolderThatCannotBeLockedDoesNotStopTheTill) {
    TempDir dir;
    EXPECT_TRUE(FolderInstance().Claim(dir / "absent"));
}

std::string Le(std::uint32_t value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string Be32(std::uint32_t value) {
    std::string bytes;
    for (int i = 3; i >= 0; --i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

TEST(HeaderPictures, NaturalSizeFromTheFileHeader) {
    const std::string topDown = Bitmap(7, 9).replace(22, 4, Le(static_cast<std::uint32_t>(-9), 4));
    const std::string oldBitmap = "BM" + Le(0, 4) + Le(0, 4) + Le(26, 4) + Le(12, 4) + Le(300, 2) +
                                  Le(20, 2) + Le(1, 2) + Le(1, 2);
    const std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + Be32(13) + "IHDR" + Be32(70000) +
                            Be32(2) + std::string(5, '\0');
    const std::string gif = "GIF89a" + Le(640, 2) + Le(480, 2) + std::string(20, '\0');
    const struct {
        const char* name;
        std::string bytes;
        int width;
        int height;
    } cases[] = {
        {"logo.bmp", Bitmap(4350, 1000), 4350, 1000},
        {"haut-en-bas.bmp", topDown, 7, 9},
        {"ancien.bmp", oldBitmap, 300, 20},
        {"image.png", png, 70000, 2},
        {"anim.gif", gif, 640, 480},
        {"abime.bmp", "BM pas une image", 0, 0},
        {"vide.bmp", Bitmap(0, 5), 0, 0},
        {"notes.txt", "pas une image, mais un texte assez long", 0, 0},
        {"vide.png", "", 0, 0},
    };
    TempDir dir;
    for (const auto& c : cases) {
        WriteRaw(dir / c.name, c.bytes);
        const Picture picture = HeaderPictures().Load(dir / c.name);
        EXPECT_EQ(picture.path, dir / c.name);
        EXPECT_EQ(picture.width, c.width) << c.name;
        EXPECT_EQ(picture.height, c.height) << c.name;
    }
    EXPECT_FALSE(HeaderPictures().Load(dir / "absent.bmp").Loaded());
    EXPECT_FALSE(HeaderPictures().Load(dir.Path()).Loaded());
}

}  // namespace
}  // namespace vantor::test
