// Documents drawn by QtPageDevice into PDF files, read back with the poppler
// tools: text places, fonts, pictures, QR codes and the failures.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "platform/qt/QtPageDevice.h"
#include "print/PdfTools.h"
#include "support/TempDir.h"

namespace vantor {
namespace {

using test::PdfWord;

const PrintFont kBold12{"Courier New", 12, true};
const PrintFont kBold10{"Courier New", 10, true};
const PrintFont kNormal10{"Courier New", 10, false};

constexpr double kPointsPerTwip = 1.0 / 20;

class PageDeviceTest : public ::testing::Test {
protected:
    std::string Pdf() const { return dir_ / "page.pdf"; }
    std::unique_ptr<QtPageDevice> Open() const { return QtPageDevice::ForPdfFile(Pdf()); }

    // A small picture file: black, with a white left half.
    Picture HalfWhitePicture(const std::string& name) const {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::black);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                image.setPixelColor(x, y, Qt::white);
            }
        }
        const std::string path = dir_ / name;
        EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
        return {path, 40, 20};
    }

    const PdfWord* FindWord(const std::vector<PdfWord>& words, const std::string& text) const {
        auto found = std::find_if(words.begin(), words.end(),
                                  [&](const PdfWord& word) { return word.text == text; });
        return found == words.end() ? nullptr : &*found;
    }

    test::TempDir dir_;
};

// The column of the first occurrence of needle on the line of the layout text
// that contains key.
std::size_t ColumnOf(const std::string& layout, const std::string& key, const std::string& needle) {
    std::size_t start = layout.find(key);
    if (start == std::string::npos) {
        ADD_FAILURE() << "no line with " << key << " in:\n" << layout;
        return std::string::npos;
    }
    start = layout.rfind('\n', start);
    start = start == std::string::npos ? 0 : start + 1;
    const std::string line = layout.substr(start, layout.find('\n', start) - start);
    // Columns count characters, not bytes.
    const std::string before = line.substr(0, line.find(needle));
    return static_cast<std::size_t>(std::count_if(before.begin(), before.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

TEST_F(PageDeviceTest, ReceiptLinesComeOutInOrderWithTheirColumnsAligned) {
    auto page = Open();
    page->Text(500, 2600, kBold12, "Café de la Gare");
    page->Text(300, 2872, kNormal10, "05.12.2026   12:04:09");
    page->Text(0, 3200, kBold10, " 2 Café               €     7.00");
    page->Text(0, 3427, kBold10, " 1 Croque monsieur    €     8.00");
    page->Text(0, 3654, kBold10, " Total                €    15.00");
    page->End();

    const std::string layout = test::PdfLayoutText(Pdf());
    const std::size_t shop = layout.find("Café de la Gare");
    const std::size_t date = layout.find("05.12.2026   12:04:09");
    const std::size_t coffee = layout.find("2 Café");
    const std::size_t croque = layout.find("1 Croque monsieur");
    const std::size_t total = layout.find("Total");
    ASSERT_NE(shop, std::string::npos) << layout;
    EXPECT_LT(shop, date);
    EXPECT_LT(date, coffee);
    EXPECT_LT(coffee, croque);
    EXPECT_LT(croque, total);
    const std::size_t euro = ColumnOf(layout, "2 Café", "€");
    EXPECT_EQ(ColumnOf(layout, "Croque", "€"), euro);
    EXPECT_EQ(ColumnOf(layout, "Total", "€"), euro);
    EXPECT_EQ(ColumnOf(layout, "Croque", "8.00"), ColumnOf(layout, "2 Café", "7.00"));
}

TEST_F(PageDeviceTest, TextTopLeftIsAtItsPositionInTwips) {
    auto page = Open();
    page->Text(1440, 2880, kNormal10, "Haut");
    page->Text(2880, 5760, kBold12, "Bas");
    page->End();

    const std::vector<PdfWord> words = test::PdfWords(Pdf());
    const PdfWord* top = FindWord(words, "Haut");
    const PdfWord* bottom = FindWord(words, "Bas");
    ASSERT_NE(top, nullptr);
    ASSERT_NE(bottom, nullptr);
    EXPECT_NEAR(top->left, 1440 * kPointsPerTwip, 0.5);
    EXPECT_NEAR(top->top, 2880 * kPointsPerTwip, 1.0);
    EXPECT_NEAR(bottom->left, 2880 * kPointsPerTwip, 0.5);
    EXPECT_NEAR(bottom->top, 5760 * kPointsPerTwip, 1.2);
    // Fixed pitch at the size given: 4 characters of 10 points are 0.6 em wide each.
    EXPECT_NEAR(top->right - top->left, 4 * 0.6 * 10, 0.5);
    EXPECT_NEAR(bottom->right - bottom->left, 3 * 0.6 * 12, 0.5);
}

TEST_F(PageDeviceTest, CourierNewIsPrintedWithLiberationMonoOnOneA4Page) {
    auto page = Open();
    page->Text(300, 300, kBold12, "Gras");
    page->Text(300, 600, kNormal10, "Normal");
    page->End();

    std::vector<std::string> fonts = test::PdfFontNames(Pdf());
    std::sort(fonts.begin(), fonts.end());
    EXPECT_EQ(fonts, (std::vector<std::string>{"LiberationMono", "LiberationMono-Bold"}));
    EXPECT_EQ(test::PdfPageCount(Pdf()), 1);
    const auto [width, height] = test::PdfPageSize(Pdf());
    EXPECT_NEAR(width, 595.3, 0.5);
    EXPECT_NEAR(height, 841.9, 0.5);
}

TEST_F(PageDeviceTest, PictureIsScaledIntoItsRectangle) {
    auto page = Open();
    // 40 × 20 pixels into 2 × 1 inches at (1, 1) inch: at 100 dpi the
    // rectangle is x 100..300, y 100..200, its left half white.
    page->Image(HalfWhitePicture("logo.bmp"), 1440, 1440, 2880, 1440);
    page->End();

    const test::RenderedPage image(Pdf(), 100, dir_.Path());
    EXPECT_EQ(image.DarkCount(205, 105, 295, 195), 90 * 90);               // the black half
    EXPECT_EQ(image.DarkCount(105, 105, 195, 195), 0);                     // the white half
    EXPECT_EQ(image.DarkCount(0, 0, image.Width(), 97), 0);                // above
    EXPECT_EQ(image.DarkCount(303, 0, image.Width(), image.Height()), 0);  // right
    EXPECT_EQ(image.DarkCount(0, 203, image.Width(), image.Height()), 0);  // below
}

TEST_F(PageDeviceTest, QrCodeDecodesToItsTextInsideItsSquare) {
    const std::string text = "https://vantor.example/ticket?n=57&café";
    auto page = Open();
    page->QrCode(text, 800, 1440, 2500);
    page->End();

    const test::RenderedPage image(Pdf(), 144, dir_.Path());  // 10 twips per dot
    EXPECT_EQ(test::DecodeQrCodes(image.ImageFile()), std::vector<std::string>{text});
    const int inside = image.DarkCount(80, 144, 330, 394);
    EXPECT_GT(inside, 250 * 250 / 4);
    EXPECT_EQ(image.DarkCount(0, 0, image.Width(), image.Height()), inside);
    // The quiet zone: the border of the square stays light.
    EXPECT_EQ(image.DarkCount(80, 144, 330, 150), 0);
    EXPECT_EQ(image.DarkCount(80, 144, 86, 394), 0);
}

TEST_F(PageDeviceTest, FailuresThrowWithTheReasonAndTheDocumentGoesOn) {
    auto page = Open();
    test::WriteRaw(dir_ / "broken.bmp", "BM not really a picture");
    const std::pair<std::function<void()>, std::string> failures[] = {
        {[&] {
             page->Image({dir_ / "missing.bmp", 10, 10}, 0, 0, 100, 100);
         },
         "Impossible de lire l'image \"" + (dir_ / "missing.bmp") + "\"."},
        {[&] {
             page->Image({dir_ / "broken.bmp", 10, 10}, 0, 0, 100, 100);
         },
         "Impossible de lire l'image \"" + (dir_ / "broken.bmp") + "\"."},
        {[&] { page->QrCode(std::string(5000, 'x'), 0, 0, 2500); },
         "Impossible de créer le QR code : texte trop long."},
        {[&] { page->QrCode("", 0, 0, 2500); }, "Impossible de créer le QR code : texte vide."},
    };
    for (const auto& [fail, reason] : failures) {
        try {
            fail();
            ADD_FAILURE() << "no error: " << reason;
        } catch (const PrintError& error) {
            EXPECT_EQ(std::string(error.what()), reason);
        }
    }
    page->Text(300, 300, kNormal10, "Suite");
    page->End();
    EXPECT_NE(test::PdfLayoutText(Pdf()).find("Suite"), std::string::npos);
}

TEST_F(PageDeviceTest, PdfFileThatCannotBeWrittenThrows) {
    test::WriteRaw(dir_ / "plain-file", "");
    // A folder that is a file cannot hold one (even for root, unlike permissions).
    EXPECT_THROW(QtPageDevice::ForPdfFile(dir_ / "plain-file/page.pdf"), PrintError);
    EXPECT_THROW(QtPageDevice::ForPdfFile(dir_ / "missing-folder/page.pdf"), PrintError);
}

TEST_F(PageDeviceTest, DocumentGivenUpLeavesNoFileAndAnEndedOneStays) {
    for (const bool ended : {false, true}) {
        {
            auto page = Open();
            page->Text(300, 300, kNormal10, "Fini");
            EXPECT_TRUE(std::filesystem::exists(Pdf()));
            if (ended) {
                page->End();
            }
        }
        EXPECT_EQ(std::filesystem::exists(Pdf()), ended);
    }
    EXPECT_EQ(test::PdfPageCount(Pdf()), 1);
}

}  // namespace
}  // namespace vantor
