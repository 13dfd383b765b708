// Where the PDF documents go: the PDF printer's dated files in the data
// folder, the numbered files of --pdf-dir, and an unknown printer.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/qt/PdfFiles.h"
#include "platform/qt/QtPrinters.h"
#include "print/PdfTools.h"
#include "support/TempDir.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

const PrintFont kFont{"Courier New", 10, false};

class FixedClock : public Clock {
public:
    DateTime Now() override { return {{2026, 12, 5}, {9, 4, 7}}; }
};

std::set<std::string> FileNames(const std::string& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

void PrintLine(PageDevice& page, const std::string& text) {
    page.Text(300, 300, kFont, text);
    page.End();
}

TEST(PdfPrinter, WritesEachDocumentToItsOwnDatedFileInImpressions) {
    test::TempDir data;
    FixedClock clock;
    QtPrinters printers(clock);
    printers.SetDataFolder(data.Path());
    // Both open at once: the second must not take the first one's name, even
    // within the same second.
    std::unique_ptr<PageDevice> first = printers.Open(kPdfPrinterName);
    std::unique_ptr<PageDevice> second = printers.Open(kPdfPrinterName);
    PrintLine(*first, "Premier");
    PrintLine(*second, "Second");

    const std::set<std::string> names = FileNames(data / "Impressions");
    ASSERT_EQ(names,
              (std::set<std::string>{"2026-12-05_09-04-07_1.pdf", "2026-12-05_09-04-07_2.pdf"}));
    std::set<std::string> texts;
    for (const std::string& name : names) {
        const std::string text = test::PdfLayoutText(data / ("Impressions/" + name));
        texts.insert(text.substr(text.find_first_not_of(' '), 7));
    }
    EXPECT_EQ(texts, (std::set<std::string>{"Premier", "Second\n"}));
}

TEST(PdfPrinter, FailsWhenItsFolderCannotBeMade) {
    test::TempDir dir;
    test::WriteRaw(dir / "not-a-folder", "");
    FixedClock clock;
    QtPrinters printers(clock);
    printers.SetDataFolder(dir / "not-a-folder");
    try {
        printers.Open(kPdfPrinterName);
        FAIL() << "opened a document in a folder inside a file";
    } catch (const PrintError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Impossible de créer le dossier \"" + (dir / "not-a-folder") + "/Impressions\".");
    }
    QtPrinters withoutData(clock);
    EXPECT_THROW(withoutData.Open(kPdfPrinterName), PrintError);
}

TEST(SystemPrinter, UnknownNameThrows) {
    FixedClock clock;
    QtPrinters printers(clock);
    try {
        printers.Open("Imprimante inexistante 42");
        FAIL() << "opened an unknown printer";
    } catch (const PrintError& error) {
        EXPECT_NE(std::string(error.what()).find("\"Imprimante inexistante 42\""),
                  std::string::npos);
    }
}

TEST(NumberedPdfFiles, NumberTheDocumentsOfARunAfterTheirPrinter) {
    test::TempDir dir;
    const std::string folder = dir / "sortie/pdf";  // made when missing
    headless::PdfDeviceFactory files = NumberedPdfFiles(folder);
    PrintLine(*files("Vantor PDF"), "Un");
    PrintLine(*files("Cuisine/Bar"), "Deux");
    {
        std::unique_ptr<PageDevice> givenUp = files("Vantor PDF");  // never ended
    }
    PrintLine(*files("Vantor PDF"), "Quatre");

    EXPECT_EQ(FileNames(folder), (std::set<std::string>{"001-Vantor PDF.pdf", "002-Cuisine_Bar.pdf",
                                                        "004-Vantor PDF.pdf"}));
    EXPECT_NE(test::PdfLayoutText(folder + "/002-Cuisine_Bar.pdf").find("Deux"), std::string::npos);
}

}  // namespace
}  // namespace vantor
