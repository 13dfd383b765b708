// `vantor report graphique`: the charts drawn into PNG, SVG and PDF files
// without a window; their totals are the totals report's; a bad period, a bad
// comparison or a file that cannot be written is refused with status 2.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <regex>

#include "pdf/PdfTools.h"
#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const QRgb kCash = qRgb(0, 90, 200);
const QRgb kEarlier = qRgb(150, 150, 150);

// Two days of December and one of November, a week earlier.
std::string Journal() {
    return "24.11.2026;12:00:00;Paul;40;5;Esp;1;4\r\n"
           "01.12.2026;9:00:00;Paul;12.50;0;Esp;1;1.25\r\n"
           "01.12.2026;12:30:00;Marie;30.125;5;Cart;2;1.656875\r\n"
           "02.12.2026;19:00:00;Paul;8;6;Esp;1;0.8\r\n";
}

long Pixels(const QImage& image, QRgb colour) {
    long count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

class ChartFile : public ::testing::Test {
protected:
    ChartFile() { WriteRaw(data_ / "tickets.csv", Journal()); }
    TillRun Charts(const std::string& out, std::vector<std::string> more = {}) const {
        std::vector<std::string> words = {"report", "graphique",  "--du",       "01.12.2026",
                                          "--au",   "05.12.2026", "--data-dir", data_.Path(),
                                          "--out",  out};
        words.insert(words.end(), more.begin(), more.end());
        return RunVantor(words, "");
    }
    TempDir data_;
    TempDir out_;
};

TEST_F(ChartFile, PngIsTheCanvasWithTheBarsAndTheComparisonInGrey) {
    const TillRun alone = Charts(out_ / "seul.png");
    ASSERT_EQ(alone.status, 0) << alone.err;
    const TillRun compared = Charts(out_ / "semaine.png", {"--comparer", "semaine"});
    ASSERT_EQ(compared.status, 0) << compared.err;
    const QImage first(QString::fromStdString(out_ / "seul.png"));
    const QImage second(QString::fromStdString(out_ / "semaine.png"));
    ASSERT_EQ(first.size(), QSize(1024, 640));
    EXPECT_GT(Pixels(first, kCash), 500);
    EXPECT_LT(Pixels(first, kEarlier), 100) << "only the grey of a letter's edge";
    EXPECT_GT(Pixels(second, kEarlier), 500) << "the week before has a sale";
}

// The heading's figures, read back from the PDF, are those of `vantor report
// totaux` for the same period; the SVG is drawn too.
TEST_F(ChartFile, PdfAndSvgCarryTheTotalsOfThePeriod) {
    const TillRun pdf = Charts(out_ / "graphiques.pdf", {"--comparer", "semaine"});
    ASSERT_EQ(pdf.status, 0) << pdf.err;
    const TillRun totaux = RunVantor({"report", "totaux", "--du", "01.12.2026", "--au",
                                      "05.12.2026", "--data-dir", data_.Path()},
                                     "");
    ASSERT_EQ(totaux.status, 0) << totaux.err;
    std::smatch total;
    ASSERT_TRUE(std::regex_search(totaux.out, total, std::regex("Total période +\\S+ +([0-9.]+)")));
    EXPECT_EXPECTED("Graphique-pdf.txt", "Total période " + total[1].str() + "\n" +
                                             std::regex_replace(PdfText(out_ / "graphiques.pdf"),
                                                                std::regex(" {2,}"), " | "));
    const TillRun svg = Charts(out_ / "graphiques.svg");
    ASSERT_EQ(svg.status, 0) << svg.err;
    EXPECT_NE(Slurp(out_ / "graphiques.svg").find("<svg"), std::string::npos);
}

TEST_F(ChartFile, RefusalsAreToldWithStatusTwoAndLeaveNoFile) {
    std::string told;
    const auto refuse = [&](const std::vector<std::string>& words) {
        const TillRun run = RunVantor(words, "");
        std::string line = "vantor";
        for (const std::string& w : words) {
            line += " " + (w == data_.Path() ? "DOSSIER" : w);
        }
        // The folders of this run, and what Qt says of the test's session.
        const std::regex folder(out_.Path());
        line = std::regex_replace(line, folder, "SORTIE");
        std::string err = std::regex_replace(run.err, folder, "SORTIE");
        err = std::regex_replace(err, std::regex("QStandardPaths: [^\n]*\n"), "");
        told += line + "\n=> " + std::to_string(run.status) + "\n" + err + "\n";
        EXPECT_EQ(run.status, 2) << line;
    };
    const std::string png = out_ / "g.png";
    const std::vector<std::string> base = {"report", "graphique", "--data-dir", data_.Path()};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> words = base;
        words.insert(words.end(), more.begin(), more.end());
        return words;
    };
    refuse(with({"--du", "05.12.2026", "--au", "01.12.2026", "--out", png}));
    refuse(with({"--du", "32.12.2026", "--out", png}));
    refuse(with({"--du", "01.12.2026", "--comparer", "jour", "--out", png}));
    refuse(with({"--du", "01.12.2026"}));
    refuse(with({"--du", "01.12.2026", "--out", out_ / "absent/g.png"}));
    refuse(with({"--du", "01.12.2026", "--out", out_ / "g.gif"}));
    EXPECT_TRUE(std::filesystem::is_empty(out_.Path()));
    EXPECT_EXPECTED("Graphique-refus.txt", told);
}

}  // namespace
}  // namespace vantor::test
