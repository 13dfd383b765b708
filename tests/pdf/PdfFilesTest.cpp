// The PDF files printed into: the PDF printer's dated files in the data folder,
// the numbered files of --pdf-dir, and the program's headless runs on them.
#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <filesystem>
#include <set>
#include <sstream>

#include "gui/PdfFiles.h"
#include "gui/QtPrinters.h"
#include "pdf/PdfTools.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

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

class FixedClock : public Clock {
public:
    DateTime Now() override { return {{2026, 12, 5}, {9, 4, 7}}; }
};

// The system's printers, then the PDF printer, whose documents each get their
// own file (two open at once within the same second too).
TEST(PdfPrinter, ComesAfterTheSystemsPrintersAndDatesItsFilesInImpressions) {
    TempDir data;
    FixedClock clock;
    QtPrinters printers{clock};
    const std::vector<std::string> names = printers.List();
    ASSERT_EQ(names.size(),
              static_cast<std::size_t>(QPrinterInfo::availablePrinterNames().size() + 1));
    EXPECT_EQ(names.back(), "Vantor PDF");
    EXPECT_THROW(printers.Open(kPdfPrinterName), PrintError) << "no data folder yet";
    try {
        printers.Open("Imprimante inexistante 42");
        ADD_FAILURE() << "opened an unknown printer";
    } catch (const PrintError& error) {
        EXPECT_NE(std::string(error.what()).find("\"Imprimante inexistante 42\""),
                  std::string::npos);
    }
    printers.SetDataFolder(data.Path());
    std::unique_ptr<PageDevice> first = printers.Open(kPdfPrinterName);
    std::unique_ptr<PageDevice> second = printers.Open(kPdfPrinterName);
    PrintLine(*first, "Premier");
    PrintLine(*second, "Second");
    EXPECT_EQ(Printed(data / "Impressions"),
              (std::set<std::string>{"2026-12-05_09-04-07_1.pdf Premier",
                                     "2026-12-05_09-04-07_2.pdf Second"}));
}

TEST(NumberedPdfFiles, NumberTheDocumentsOfARunAfterTheirPrinter) {
    TempDir dir;
    const std::string folder = dir / "sortie/pdf";  // made when missing
    PdfDeviceFactory files = NumberedPdfFiles(folder);
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

// Two coffees (3.50 each) paid in cash, the receipt printed.
const std::string kSale =
    "clock 05.12.2026 12:04:09\n"
    "click Command1 2\nclick Command1 2\nclick cmdPrint 0\nanswer yes\n";

// A till of the shop "Café du Port", VAT mode "sur place" at 10.
class HeadlessPrint : public ::testing::Test {
protected:
    void SetUp() override {
        till.Write(
            "Infos.txt",
            "Caf\xE9 du Port\r\nQuai 1\r\n1000 Lausanne\r\n021 000 00 00\r\nCHE-123\r\n10\r\n"
            "5.5\r\n\r\n\r\n1\r\n\r\n\r\n");
    }
    HeadlessTill till;
    TempDir out;
};

TEST_F(HeadlessPrint, PdfDirGetsOneNumberedFilePerDocument) {
    const std::string pdfDir = out / "pdf";
    till.Run(kSale + "click Command1 3\nclick cmdPrint 1\nanswer yes\n", {"--pdf-dir", pdfDir});
    EXPECT_EQ(Printed(pdfDir),
              (std::set<std::string>{"001-Vantor PDF.pdf Café", "002-Vantor PDF.pdf Café"}));
    EXPECT_EXPECTED("receipt.txt", PdfText(pdfDir + "/001-Vantor PDF.pdf"));
    EXPECT_FALSE(std::filesystem::exists(till / "Impressions"));
}

TEST_F(HeadlessPrint, SystemPrintersWithoutAnyPrintOnThePdfPrinterIntoTheDataFolder) {
    till.SetEnvironment("CUPS_SERVER", "/nonexistent/cups.sock");  // no printer to ask for
    const TillRun run = till.Run(kSale + "show Printer\n", {"--system-printers"});
    EXPECT_EQ(LinesStartingWith(run.out, "print start"),
              std::vector<std::string>{"print start \"Vantor PDF\""});
    EXPECT_EQ(Shows(run), std::vector<std::string>{"show Printer \"Vantor PDF\""});
    EXPECT_EQ(Printed(till / "Impressions"),
              std::set<std::string>{"2026-12-05_12-04-09_1.pdf Café"});
}

TEST_F(HeadlessPrint, PdfFileThatCannotBeWrittenStopsTheCheckoutWithTheReason) {
    WriteRaw(out / "file", "");
    const std::string pdfDir = out / "file/pdf";
    const TillRun run = till.Run(kSale + "answer ok\nshow lstTicket.ListCount\nshow NumTicket\n",
                                 {"--pdf-dir", pdfDir});
    EXPECT_EQ(Boxes(run),
              (std::vector<std::string>{
                  "msgbox none yesno \"Impression\" \"Imprimer le ticket ?\"",
                  "msgbox critical ok \"Vantor\" \"Impossible de créer le dossier \\\"" + pdfDir +
                      "\\\".\""}));
    // The number was on disk before the print: it is spent, never printed twice.
    EXPECT_EQ(Shows(run),
              (std::vector<std::string>{"show lstTicket.ListCount 1", "show NumTicket 2"}));
}

TEST(HeadlessPrintArguments, PdfDirAndSystemPrintersDoNotGoTogether) {
    TillRun run = RunVantor({"--headless", "--pdf-dir", "/tmp", "--system-printers"}, "");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--pdf-dir et --system-printers ne vont pas ensemble"),
              std::string::npos);
    EXPECT_EQ(RunVantor({"--system-printers"}, "").status, 2);
}

}  // namespace
}  // namespace vantor::test
