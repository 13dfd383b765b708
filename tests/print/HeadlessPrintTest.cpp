// The program's headless runs that draw real pages: --pdf-dir and
// --system-printers (here without any system printer, so on the PDF printer).
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "print/PdfTools.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

// Shop "Café du Port", VAT mode "sur place" at 10.
const std::string kInfos =
    "Caf\xE9 du Port\r\nQuai 1\r\n1000 Lausanne\r\n021 000 00 "
    "00\r\nCHE-123\r\n10\r\n5.5\r\n\r\n\r\n"
    "1\r\n\r\n\r\n";

// Two coffees (3.50 each) paid in cash, the receipt printed.
const std::string kSale =
    "clock 05.12.2026 12:04:09\n"
    "click Command1 2\nclick Command1 2\nclick cmdPrint 0\nanswer yes\n";

// No CUPS server to ask: the system has no printer.
const std::map<std::string, std::string> kNoSystemPrinters{
    {"CUPS_SERVER", "/nonexistent/cups.sock"}};

void ExpectReceipt(const std::string& pdf) {
    EXPECT_EQ(PdfPageCount(pdf), 1);
    const std::string text = PdfLayoutText(pdf);
    for (const char* expected : {"Café du Port", "05.12.2026   12:04:09", "Ticket n° :", "2 Café",
                                 "Total", "7.00", "TVA sur place (10%", "0.70"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " not in:\n" << text;
    }
}

class HeadlessPrint : public ::testing::Test {
protected:
    void SetUp() override { WriteRaw(data_ / "Infos.txt", kInfos); }
    TempDir data_;
    TempDir out_;
};

TEST_F(HeadlessPrint, PdfDirGetsOneNumberedFilePerDocument) {
    const std::string pdfDir = out_ / "pdf";
    TillRun run = RunVantor({"--headless", "--data-dir", data_.Path(), "--pdf-dir", pdfDir},
                            kSale + "click Command1 3\nclick cmdPrint 1\nanswer yes\n");
    ASSERT_EQ(run.status, 0) << run.err << run.out;
    EXPECT_EQ(LinesStartingWith(run.out, "print start").size(), 2U);
    ExpectReceipt(pdfDir + "/001-Vantor PDF.pdf");
    const std::string second = PdfLayoutText(pdfDir + "/002-Vantor PDF.pdf");
    EXPECT_TRUE(std::regex_search(second, std::regex("Ticket n° : +2\n"))) << second;
    EXPECT_NE(second.find("1 Expresso"), std::string::npos) << second;
    EXPECT_FALSE(fs::exists(data_ / "Impressions"));
}

TEST_F(HeadlessPrint, SystemPrintersWithoutAnyPrintOnThePdfPrinterIntoTheDataFolder) {
    TillRun run = RunVantor({"--headless", "--system-printers", "--data-dir", data_.Path()},
                            kSale + "show Printer\n", kNoSystemPrinters);
    ASSERT_EQ(run.status, 0) << run.err << run.out;
    EXPECT_EQ(LinesStartingWith(run.out, "print start"),
              std::vector<std::string>{"print start \"Vantor PDF\""});
    EXPECT_EQ(LinesStartingWith(run.out, "show Printer"),
              std::vector<std::string>{"show Printer \"Vantor PDF\""});
    EXPECT_FALSE(LinesStartingWith(run.out, "print text").empty());
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(data_ / "Impressions")) {
        files.push_back(entry.path());
    }
    ASSERT_EQ(files.size(), 1U);
    ExpectReceipt(files.front().string());
}

TEST_F(HeadlessPrint, PdfFileThatCannotBeWrittenStopsTheCheckoutWithTheReason) {
    WriteRaw(out_ / "file", "");
    const std::string pdfDir = out_ / "file/pdf";
    TillRun run = RunVantor({"--headless", "--data-dir", data_.Path(), "--pdf-dir", pdfDir},
                            kSale + "answer ok\nshow lstTicket.ListCount\nshow NumTicket\n");
    ASSERT_EQ(run.status, 0) << run.err << run.out;
    EXPECT_EQ(LinesStartingWith(run.out, "msgbox critical"),
              std::vector<std::string>{"msgbox critical ok \"Vantor\" \"Impossible de créer le "
                                       "dossier \\\"" +
                                       pdfDir + "\\\".\""});
    // The number was on disk before the print: it is spent, never printed twice.
    EXPECT_EQ(LinesStartingWith(run.out, "show"),
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
