// The printers of the Qt platform: the PDF printer's dated files in the data
// folder, the numbered files of --pdf-dir, the system's printers.
#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <filesystem>
#include <set>
#include <sstream>

#include "platform/qt/PdfFiles.h"
#include "platform/qt/QtPrinters.h"
#include "print/PdfTools.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

class FixedClock : public Clock {
public:
    DateTime Now() override { return {{2026, 12, 5}, {9, 4, 7}}; }
};

// The files of the folder, each with the first word it prints.
std::set<std::string> Printed(const std::string& folder) {
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::istringstream text(PdfText(entry.path()));
        std::string word;
        text >> word;
        files.insert(entry.path().filename().string() + " " + word);
    }
    return files;
}

void PrintLine(PageDevice& page, const std::string& text) {
    page.Text(300, 300, PrintFont{"Courier New", 10, false}, text);
    page.End();
}

class PdfPrinter : public ::testing::Test {
protected:
    TempDir data;
    FixedClock clock;
    QtPrinters printers{clock};
};

TEST_F(PdfPrinter, WritesEachDocumentToItsOwnDatedFileInImpressions) {
    printers.SetDataFolder(data.Path());
    // Both open at once: the second must not take the first one's name, even
    // within the same second.
    std::unique_ptr<PageDevice> first = printers.Open(kPdfPrinterName);
    std::unique_ptr<PageDevice> second = printers.Open(kPdfPrinterName);
    PrintLine(*first, "Premier");
    PrintLine(*second, "Second");
    EXPECT_EQ(Printed(data / "Impressions"),
              (std::set<std::string>{"2026-12-05_09-04-07_1.pdf Premier",
                                     "2026-12-05_09-04-07_2.pdf Second"}));
}

TEST_F(PdfPrinter, FailsWhenItsFolderCannotBeMade) {
    EXPECT_THROW(printers.Open(kPdfPrinterName), PrintError) << "no data folder yet";
    WriteRaw(data / "not-a-folder", "");
    printers.SetDataFolder(data / "not-a-folder");
    try {
        printers.Open(kPdfPrinterName);
        ADD_FAILURE() << "opened a document in a folder inside a file";
    } catch (const PrintError& error) {
        EXPECT_EQ(std::string(error.what()), "Impossible de créer le dossier \"" +
                                                 (data / "not-a-folder") + "/Impressions\".");
    }
}

// The system's printers, then the PDF printer (the default when there is none:
// see HeadlessPrint); a name the system does not know fails.
TEST_F(PdfPrinter, ComesAfterTheSystemsPrinters) {
    const std::vector<std::string> names = printers.List();
    ASSERT_EQ(names.size(),
              static_cast<std::size_t>(QPrinterInfo::availablePrinterNames().size() + 1));
    EXPECT_EQ(names.back(), "Vantor PDF");
    try {
        printers.Open("Imprimante inexistante 42");
        ADD_FAILURE() << "opened an unknown printer";
    } catch (const PrintError& error) {
        EXPECT_NE(std::string(error.what()).find("\"Imprimante inexistante 42\""),
                  std::string::npos);
    }
}

TEST(NumberedPdfFiles, NumberTheDocumentsOfARunAfterTheirPrinter) {
    TempDir dir;
    const std::string folder = dir / "sortie/pdf";  // made when missing
    headless::PdfDeviceFactory files = NumberedPdfFiles(folder);
    PrintLine(*files("Vantor PDF"), "Un");
    PrintLine(*files("Cuisine/Bar"), "Deux");
    {
        std::unique_ptr<PageDevice> givenUp = files("Vantor PDF");  // never ended
    }
    PrintLine(*files("Vantor PDF"), "Quatre");
    EXPECT_EQ(Printed(folder),
              (std::set<std::string>{"001-Vantor PDF.pdf Un", "002-Cuisine_Bar.pdf Deux",
                                     "004-Vantor PDF.pdf Quatre"}));
}

}  // namespace
}  // namespace vantor::test
