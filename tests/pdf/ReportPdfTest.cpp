// `vantor report ... --pdf FILE`: the report's pages in an A4 PDF file, read
// back with pdftotext, hold the very lines the command prints (which are the
// screen's; the Z those of "Clôture du jour"), under the shop's heading,
// numbered; an unwritable file is refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "pdf/PdfTools.h"
#include "support/ClosureLines.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// Infos.txt of a shop in Lyon, Windows-1252: name, address, town, phone,
// VAT number, rates 10 and 5.5, ..., the euro sign last.
std::string InfosBytes() {
    const char* lines[] = {"Caf\xE9 de la Gare",
                           "2 place de la Gare",
                           "69000 Lyon",
                           "04 00 00 00 00",
                           "FR00123456789",
                           "10",
                           "5.5",
                           "",
                           "",
                           "0",
                           "Merci",
                           "",
                           "",
                           "",
                           "0",
                           "",
                           "\x80"};
    std::string bytes;
    for (const char* line : lines) {
        bytes += std::string(line) + "\r\n";
    }
    return bytes;
}

// Five days of sales and sixty cash movements: the cash journal takes two pages.
std::string JournalBytes() {
    std::string bytes;
    for (int day = 1; day <= 5; ++day) {
        const std::string date = "0" + std::to_string(day) + ".12.2026";
        bytes += date + ";9:00:00;Paul;" + std::to_string(10 * day) + ".40;1;Esp;1;1.04\r\n";
        bytes += date + ";9:30:00;Paul;4.5;2;Cart;2;0.2475\r\n";
        for (int n = 0; n < 12; ++n) {
            bytes += date + ";0:00:00;Sortie " + std::to_string(n) + ";-" + std::to_string(n + 1) +
                     ".25;10;Sort;" + std::to_string(n % 3) + ";0\r\n";
        }
    }
    return bytes;
}

// Runs of spaces as one: pdftotext spaces the columns its own way.
std::string Squeezed(const std::string& line) {
    return std::regex_replace(std::regex_replace(line, std::regex(" +"), " "), std::regex("^ | $"),
                              "");
}

std::vector<std::string> SqueezedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!Squeezed(line).empty()) {
            lines.push_back(Squeezed(line));
        }
    }
    return lines;
}

class ReportPdf : public ::testing::Test {
protected:
    ReportPdf() {
        WriteRaw(data_ / "Infos.txt", InfosBytes());
        WriteRaw(data_ / "tickets.csv", JournalBytes());
        WriteRaw(data_ / "Clotures.csv", ClosureOf("Jour", "01.12.2026", "01.12.2026") + "\r\n");
    }
    std::vector<std::string> Words(const std::string& kind) const {
        return {"report", kind,         "--du",       "01.12.2026",
                "--au",   "05.12.2026", "--data-dir", data_.Path()};
    }
    TempDir data_;
    TempDir out_;
};

struct PdfCase {
    const char* kind;
    const char* titre;
    int pages;
    const char* periode = "du 01.12.2026 au 05.12.2026";
};

TEST_F(ReportPdf, HoldsTheLinesTheCommandPrintsUnderTheHeadingOnNumberedPages) {
    const PdfCase cases[] = {{"totaux", "Totaux", 1},
                             {"journal", "Journal de caisse", 2},
                             {"resume", "Résumé comptable", 1},
                             {"z", "Rapport Z", 1, "du 01.12.2026"}};
    for (const PdfCase& c : cases) {
        SCOPED_TRACE(c.kind);
        const std::string pdf = out_ / (std::string(c.kind) + ".pdf");
        std::vector<std::string> words = Words(c.kind);
        const TillRun printed = RunVantor(words, "");
        ASSERT_EQ(printed.status, 0) << printed.err;
        words.insert(words.end(), {"--pdf", pdf});
        const TillRun saved = RunVantor(words, "");
        ASSERT_EQ(saved.status, 0) << saved.err;
        EXPECT_EQ(saved.out, "");

        // Page after page: the heading, the report's lines, the page's number.
        const std::string total = std::to_string(c.pages);
        const std::vector<std::string> heading = {
            "Café de la Gare", "2 place de la Gare",
            "69000 Lyon",      "04 00 00 00 00",
            c.titre,           "Période : " + std::string(c.periode)};
        std::vector<std::string> body;
        std::istringstream sheets(PdfText(pdf));
        int page = 0;
        for (std::string sheet; std::getline(sheets, sheet, '\f');) {
            const std::vector<std::string> shown = SqueezedLines(sheet);
            if (shown.empty()) {
                continue;  // after the last form feed
            }
            ++page;
            ASSERT_GT(shown.size(), heading.size() + 1);
            EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + 6), heading);
            EXPECT_EQ(shown.back(), "Page " + std::to_string(page) + " / " + total);
            body.insert(body.end(), shown.begin() + 6, shown.end() - 1);
        }
        EXPECT_EQ(page, c.pages);
        EXPECT_EQ(body, SqueezedLines(printed.out));
        EXPECT_TRUE(
            std::regex_search(PdfTool("pdfinfo", pdf), std::regex("\nPages: +" + total + "\n")));
    }
}

TEST_F(ReportPdf, AFileThatCannotBeWrittenIsRefusedAndNothingIsLeft) {
    const std::string pdf = out_ / "absent/totaux.pdf";
    std::vector<std::string> words = Words("totaux");
    words.insert(words.end(), {"--pdf", pdf});
    const TillRun run = RunVantor(words, "");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(pdf), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out_ / "absent"));
}

}  // namespace
}  // namespace vantor::test
