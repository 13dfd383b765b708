// Documents drawn by QtPageDevice into PDF files, read back with the poppler
// tools: text places, fonts, pictures, QR codes and the failures.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <functional>
#include <regex>

#include "gui/QtPageDevice.h"
#include "pdf/PdfTools.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

const PrintFont kBold12{"Courier New", 12, true};
const PrintFont kBold10{"Courier New", 10, true};
const PrintFont kNormal10{"Courier New", 10, false};

class PageDeviceTest : public ::testing::Test {
protected:
    std::string Pdf() const { return dir_ / "page.pdf"; }
    std::unique_ptr<QtPageDevice> Open() const { return QtPageDevice::ForPdfFile(Pdf()); }

    TempDir dir_;
};

// A twip is a twentieth of a point: each word's top-left corner where it was
// put, columns of fixed pitch (0.6 em) aligned, lines in their order.
TEST_F(PageDeviceTest, TextIsPlacedInTwipsInCourierNewOnOneA4Page) {
    auto page = Open();
    page->Text(500, 2600, kBold12, "Café de la Gare");
    page->Text(300, 2880, kNormal10, "05.12.2026   12:04:09");
    page->Text(0, 3200, kBold10, " 2 Café               €     7.00");
    page->Text(0, 3420, kBold10, " 1 Croque monsieur    €     8.00");
    page->Text(2880, 5760, kBold12, "Fin");
    page->End();

    EXPECT_EXPECTED("page-words.txt", PdfWords(Pdf()));
    const std::pair<const char*, const char*> facts[] = {
        {"pdfinfo", "\nPages: +1\n"},
        {"pdfinfo", "\nPage size: +595 x 842 pts \\(A4\\)\n"},
        {"pdffonts", "\n(\\w+\\+)?LiberationMono-Bold "},
        {"pdffonts", "\n(\\w+\\+)?LiberationMono "}};
    for (const auto& [tool, fact] : facts) {
        const std::string said = PdfTool(tool, Pdf());
        EXPECT_TRUE(std::regex_search(said, std::regex(fact))) << fact << " not in:\n" << said;
    }
}

TEST_F(PageDeviceTest, PictureIsScaledIntoItsRectangle) {
    QImage image(40, 20, QImage::Format_RGB32);  // black, its left half white
    image.fill(Qt::black);
    QPainter(&image).fillRect(0, 0, 20, 20, Qt::white);
    ASSERT_TRUE(image.save(QString::fromStdString(dir_ / "logo.bmp"), "BMP"));
    auto page = Open();
    // 40 × 20 pixels into 2 × 1 inches at (0.5, 1) inch: at 20 dpi the
    // rectangle is x 10..50, y 20..40, its left half white.
    page->Image({dir_ / "logo.bmp", 40, 20, nullptr}, 720, 1440, 2880, 1440);
    page->End();

    EXPECT_EXPECTED("picture-20dpi.txt", PageSketch(Pdf(), 20, 56, 44));
}

TEST_F(PageDeviceTest, QrCodeDecodesToItsTextInsideItsSquare) {
    const std::string text = "https://vantor.example/ticket?n=57&café";
    auto page = Open();
    page->QrCode(text, 2160, 1440, 2880);
    page->End();

    EXPECT_EQ(PageCodes(Pdf(), 144), text);
    // A square of 2 inches at (1.5, 1) inch, its border light (the quiet zone).
    EXPECT_EXPECTED("qr-code-18dpi.txt", PageSketch(Pdf(), 18, 68, 60));
}

TEST_F(PageDeviceTest, FailuresThrowWithTheReasonAndTheDocumentGoesOn) {
    auto page = Open();
    WriteRaw(dir_ / "broken.bmp", "BM not really a picture");
    const std::pair<std::function<void()>, std::string> failures[] = {
        {[&] {
             page->Image({dir_ / "broken.bmp", 10, 10, nullptr}, 0, 0, 100, 100);
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
    EXPECT_NE(PdfText(Pdf()).find("Suite"), std::string::npos);
}

// A folder that is a file cannot hold one (even for root, unlike permissions);
// the system's reason is told in French.
TEST_F(PageDeviceTest, PdfFileThatCannotBeWrittenThrows) {
    WriteRaw(dir_ / "plain-file", "");
    const struct {
        std::string path;
        const char* reason;
    } rows[] = {
        {dir_ / "plain-file/page.pdf", "le chemin passe par un fichier qui n'est pas un dossier"},
        {dir_ / "missing-folder/page.pdf", "fichier ou dossier introuvable"},
    };
    for (const auto& row : rows) {
        try {
            QtPageDevice::ForPdfFile(row.path);
            ADD_FAILURE() << row.path;
        } catch (const PrintError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Impossible d'écrire le fichier \"" + row.path + "\" : " + row.reason);
        }
    }
}

}  // namespace
}  // namespace vantor::test
