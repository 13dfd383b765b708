// The single-instance guard and the picture reader of the build without Qt.
#include <gtest/gtest.h>

#include "headless/FolderInstance.h"
#include "headless/HeaderPictures.h"
#include "support/Bitmap.h"
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

// The value's bytes, the lowest first unless bigEndian.
std::string Bytes(std::uint32_t value, int size, bool bigEndian = false) {
    std::string bytes;
    for (int i = 0; i < size; ++i) {
        bytes += static_cast<char>((value >> (8 * (bigEndian ? size - 1 - i : i))) & 0xFF);
    }
    return bytes;
}

TEST(HeaderPictures, NaturalSizeFromTheFileHeader) {
    const std::string topDown =
        Bitmap(7, 9).replace(22, 4, Bytes(static_cast<std::uint32_t>(-9), 4));
    const std::string oldBitmap = "BM" + Bytes(0, 4) + Bytes(0, 4) + Bytes(26, 4) + Bytes(12, 4) +
                                  Bytes(300, 2) + Bytes(20, 2) + Bytes(1, 2) + Bytes(1, 2);
    const std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + Bytes(13, 4, true) + "IHDR" +
                            Bytes(70000, 4, true) + Bytes(2, 4, true) + std::string(5, '\0');
    const std::string gif = "GIF89a" + Bytes(640, 2) + Bytes(480, 2) + std::string(20, '\0');
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
