// The program's headless runs that draw real pages: --pdf-dir and
// --system-printers (here without any system printer, so on the PDF printer).
#include <gtest/gtest.h>

#include <filesystem>

#include "print/PdfTools.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

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
    const TillRun run =
        till.Run(kSale + "click Command1 3\nclick cmdPrint 1\nanswer yes\n", {"--pdf-dir", pdfDir});
    EXPECT_EQ(LinesStartingWith(run.out, "print start").size(), 2U);
    EXPECT_EXPECTED("receipt.txt", PdfText(pdfDir + "/001-Vantor PDF.pdf"));
    EXPECT_EXPECTED("second-receipt.txt", PdfText(pdfDir + "/002-Vantor PDF.pdf"));
    EXPECT_FALSE(std::filesystem::exists(till / "Impressions"));
}

TEST_F(HeadlessPrint, SystemPrintersWithoutAnyPrintOnThePdfPrinterIntoTheDataFolder) {
    till.SetEnvironment("CUPS_SERVER", "/nonexistent/cups.sock");  // no printer to ask for
    const TillRun run = till.Run(kSale + "show Printer\n", {"--system-printers"});
    EXPECT_EQ(LinesStartingWith(run.out, "print start"),
              std::vector<std::string>{"print start \"Vantor PDF\""});
    EXPECT_EQ(Shows(run), std::vector<std::string>{"show Printer \"Vantor PDF\""});
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(till / "Impressions")) {
        files.push_back(entry.path());
    }
    ASSERT_EQ(files.size(), 1U);
    EXPECT_EQ(PdfInfo(files.front(), "Pages"), "1");
    EXPECT_EXPECTED("receipt.txt", PdfText(files.front()));
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
