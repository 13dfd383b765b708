// The logo and the QR picture of the receipts, through the real program: a
// picture within the limits is printed across the paper at the size made when
// it was loaded; a larger, oddly shaped or unreadable one is refused at
// start-up with the reason, and the receipts go without it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "support/Bitmap.h"
#include "support/EscPosReader.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"

namespace vantor::test {
namespace {

// The shop, with the picture as its logo or as its QR picture.
std::string InfosWith(const std::string& logo, const std::string& qr) {
    return "Caf\xE9 du Port\r\nQuai 1\r\n1000 Lausanne\r\n021 000 00 00\r\nCHE-123\r\n10\r\n"
           "5.5\r\n" +
           logo + "\r\n" + qr + "\r\n1\r\n\r\nwww.cafe.ch\r\n\r\n";
}

std::string WithField(std::string bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    }
    return bytes;
}

// A picture with the oldest header (12 bytes: 16-bit sizes, three-byte
// palette entries), which the pictures read but not the printer's raster. Its
// palette (light blue, black) and the gap before its pixels make the bytes
// where a newer header keeps the depth and the compression read 1 and 0.
std::string CoreBitmap(int width, int height) {
    const int row = (width + 31) / 32 * 4;
    const int offset = 40;
    std::string bytes = WithField(std::string(offset, '\0'), 0, 'B' | 'M' << 8, 2);
    bytes = WithField(bytes, 2, static_cast<std::uint32_t>(offset + row * height), 4);
    bytes = WithField(bytes, 10, offset, 4);
    bytes = WithField(bytes, 14, 12, 4);
    bytes = WithField(bytes, 18, static_cast<std::uint32_t>(width), 2);
    bytes = WithField(bytes, 20, static_cast<std::uint32_t>(height), 2);
    bytes = WithField(bytes, 22, 1, 2);         // planes
    bytes = WithField(bytes, 24, 1, 2);         // bits per pixel
    bytes = WithField(bytes, 26, 0x01FFFF, 3);  // then black, 0 0 0
    return bytes + std::string(static_cast<std::size_t>(row * height), '\x55');
}

const std::string kSaleWithReceipt =
    "click Command1 2\nclick chkQR\nclick cmdPrint 1\nanswer yes\n";

// What a picture gives on 80 mm paper (576 dots, 72 bytes a row): the rows of
// its raster, or the reason it is refused.
struct PictureCase {
    const char* name;
    std::string bytes;
    int rows;            // 0 when refused
    const char* reason;  // after "n'est pas utilisée : "
};

const PictureCase kPictures[] = {
    {"Wide", Bitmap(60, 20), 192, ""},
    {"TopDown", WithField(Bitmap(60, 20), 22, static_cast<std::uint32_t>(-20), 4), 192, ""},
    {"Square5000", Bitmap(5000, 5000), 576, ""},
    {"TwiceAsTall", Bitmap(100, 200), 1152, ""},
    {"TenTimesAsWide", Bitmap(1000, 100), 58, ""},
    {"OneByTenThousand", Bitmap(1, 10000), 0,
     "elle mesure 1 × 10000 pixels, 5000 au plus de chaque côté"},
    {"TooWide", Bitmap(5001, 1000), 0,
     "elle mesure 5001 × 1000 pixels, 5000 au plus de chaque côté"},
    {"MoreThanTwiceAsTall", Bitmap(100, 201), 0, "elle est plus de 2 fois plus haute que large"},
    {"MoreThanTenTimesAsWide", Bitmap(1001, 100), 0,
     "elle est plus de 10 fois plus large que haute"},
    {"OneByTwoThousand", Bitmap(1, 2000), 0, "elle est plus de 2 fois plus haute que large"},
    {"HeavyFile", Bitmap(100, 100) + std::string(17 * 1024 * 1024, '\0'), 0,
     "son fichier fait 18 Mo, 16 Mo au plus"},
    {"NotAPicture", "BM pas une image", 0, "ce n'est pas une image lisible"},
    {"ZeroWidth", WithField(Bitmap(60, 20), 18, 0, 4), 0, "ce n'est pas une image lisible"},
    {"PixelsCutShort", Bitmap(60, 100).substr(0, 200), 0,
     "ce BMP n'est pas lisible (abîmé, compressé ou de 16 bits : seuls les BMP non compressés "
     "de 1, 4, 8, 24 ou 32 bits le sont)"},
    // 8 bits a pixel, run-length compressed: a picture, not one the printer's raster takes.
    {"RunLengthCompressed", WithField(WithField(Bitmap(60, 20), 28, 8, 2), 30, 1, 4), 0,
     "ce BMP n'est pas lisible (abîmé, compressé ou de 16 bits : seuls les BMP non compressés "
     "de 1, 4, 8, 24 ou 32 bits le sont)"},
    {"OldHeader", CoreBitmap(60, 20), 0,
     "ce BMP n'est pas lisible (abîmé, compressé ou de 16 bits : seuls les BMP non compressés "
     "de 1, 4, 8, 24 ou 32 bits le sont)"},
    {"SixteenBits", WithField(Bitmap(60, 20), 28, 16, 2) + std::string(4096, '\0'), 0,
     "ce BMP n'est pas lisible (abîmé, compressé ou de 16 bits : seuls les BMP non compressés "
     "de 1, 4, 8, 24 ou 32 bits le sont)"},
};

// The rows of every raster of the document, and whether each is 72 bytes wide.
int RasterRows(const std::string& printed, bool& fullWidth) {
    int rows = 0;
    fullWidth = true;
    for (const std::string& line : LinesStartingWith(printed, "<GS v 48 0 ")) {
        int rowBytes = 0;
        int low = 0;
        int high = 0;
        std::sscanf(line.c_str(), "<GS v 48 0 %d 0 %d %d", &rowBytes, &low, &high);
        fullWidth = fullWidth && rowBytes == 72;
        rows += low + 256 * high;
    }
    return rows;
}

class ReceiptPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(ReceiptPictures, AreTakenAtTheirSizeOrRefusedAtStartUp) {
    const PictureCase& row = GetParam();
    for (const bool asLogo : {true, false}) {
        SCOPED_TRACE(asLogo ? "logo" : "QR picture");
        HeadlessTill till;
        till.Write("picture.bmp", row.bytes);
        till.Write("ImprimanteTicket.txt", "80\r\n2\r\n");
        till.Write("Infos.txt", asLogo ? InfosWith(till / "picture.bmp", "")
                                       : InfosWith("", till / "picture.bmp"));
        const TillRun run =
            till.Run("escpos \"Ticket\" \"" + (till / "printer.bin") + "\"\n" + kSaleWithReceipt);
        const std::vector<std::string> told = LinesStartingWith(run.out, "msgbox exclamation");
        bool fullWidth = false;
        EXPECT_EQ(RasterRows(ReadEscPos(till.Read("printer.bin")), fullWidth), row.rows);
        EXPECT_TRUE(fullWidth);
        if (row.rows > 0) {
            EXPECT_TRUE(told.empty()) << told.front();
            continue;
        }
        // The folder masked, as a transcript on either system quotes it.
        const std::string expected =
            std::string(
                "msgbox exclamation ok \"Vantor\" \"L'image \\\"DATA/picture.bmp\\\" n'est pas "
                "utilisée : ") +
            row.reason + ".\n";
        EXPECT_EQ(Masked(Joined(told), till.Folder(), "DATA"), expected) << run.out;
        EXPECT_NE(run.out.find("Les tickets s'impriment sans elle.\""), std::string::npos);
        // Without a QR picture the code is made from the QR text.
        EXPECT_EQ(LinesStartingWith(run.out, "print qrcode").size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReceiptPictures, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

// Logo and QR picture at the largest sizes taken make a receipt of at most
// 170 kB, two rasters of 72 × 1152 bytes (a 1 × 10,000 picture once made one
// of 415 MB).
TEST(ReceiptPictures, TheReceiptOfTheLargestPicturesStaysSmall) {
    for (const std::string& picture : {Bitmap(5000, 5000), Bitmap(2500, 5000), Bitmap(1, 10000)}) {
        HeadlessTill till;
        till.Write("picture.bmp", picture);
        till.Write("ImprimanteTicket.txt", "80\r\n2\r\n");
        till.Write("Infos.txt", InfosWith(till / "picture.bmp", till / "picture.bmp"));
        till.Run("escpos \"Ticket\" \"" + (till / "printer.bin") + "\"\n" + kSaleWithReceipt);
        EXPECT_LT(till.Read("printer.bin").size(), 2 * 72 * 1152 + 4096);
    }
}

}  // namespace
}  // namespace vantor::test
