// Each report laid out on A4 pages: the shop's heading, the report's name and
// period on every page, the lines in order, "Page n / N" at the foot
// (expected/Pages-*.txt, one per report kind; the cash journal on two pages).
#include <functional>

#include "ReportFixture.h"
#include "reports/Clotures.h"
#include "reports/ReportPdf.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

using Lignes = std::vector<std::string>;
using Pages = ReportTest;

const Date kDu{2026, 12, 1};
const PageHeading kBoutique{{"Café de la Gare", "2 place de la Gare", "69000 Lyon"}, "", ""};

PageHeading Heading(const std::string& titre, const std::string& periode) {
    PageHeading heading = kBoutique;
    heading.titre = titre;
    heading.periode = periode;
    return heading;
}

// The report's lines as the pages hold them, heading and numbers left out.
Lignes BodyLines(const std::vector<ReportPage>& pages, const PageHeading& heading) {
    const std::size_t headed = heading.commerce.size() + 1 + (heading.periode.empty() ? 0 : 1);
    Lignes body;
    for (const ReportPage& page : pages) {
        for (std::size_t i = headed; i + 1 < page.lines.size(); ++i) {
            body.push_back(page.lines[i].text);
        }
    }
    return body;
}

// Sales of two waiters on five days, and sixty cash movements: enough for
// the cash journal to need a second page.
Lignes LongJournal() {
    Lignes journal;
    for (int day = 1; day <= 5; ++day) {
        const std::string date = "0" + std::to_string(day) + ".12.2026";
        journal.push_back(date + ";9:00:00;Paul;" + std::to_string(10 * day) + ";1;Esp;1;1");
        journal.push_back(date + ";9:30:00;Marie;4.5;2;Cart;2;0.2475");
        for (int n = 0; n < 12; ++n) {
            journal.push_back(date + ";0:00:00;Mouvement " + std::to_string(n) + ";-" +
                              std::to_string(n + 1) + ".25;10;Sort;" + std::to_string(n % 3) +
                              ";0");
        }
    }
    return journal;
}

struct PageCase {
    const char* file;
    const char* titre;
    std::function<Report(const ReportSettings&)> report;
};

TEST_F(Pages, EveryReportKindIsLaidOutUnderTheHeadingAndNumbered) {
    WriteJournal(LongJournal());
    const std::string periode = PeriodeDuAu("01.12.2026", "05.12.2026");
    const PageCase cases[] = {
        {"Pages-totaux.txt", "Totaux",
         [](const ReportSettings& s) { return GenererTotaux(s, kDu, kToday, 0, false); }},
        {"Pages-serveurs.txt", "Totaux par serveur",
         [](const ReportSettings& s) { return GenererTotaux(s, kDu, kToday, 0, true); }},
        {"Pages-journal.txt", "Journal de caisse",
         [](const ReportSettings& s) { return JournalVantor(s, false, kDu, kToday); }},
        {"Pages-resume.txt", "Résumé comptable",
         [](const ReportSettings& s) { return JournalVantor(s, true, kDu, kToday); }},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.file);
        const Lignes lines = Lines(c.report(settings));
        const PageHeading heading = Heading(c.titre, periode);
        const std::vector<ReportPage> pages = LayOutReport(heading, lines);
        EXPECT_EQ(BodyLines(pages, heading), lines) << "a line lost or doubled between pages";
        EXPECT_EXPECTED(c.file, PagesAsText(pages));
    }
}

TEST_F(Pages, TheZOfAClosureHasItsOwnPeriod) {
    Closure z;
    z.debut = kDu;
    z.fin = kDu;
    z.ventes = 3;
    z.premier = 12;
    z.dernier = 14;
    z.especes = "80";
    z.cartes = "45.5";
    z.total = "125.5";
    z.tvaIncluse1 = "11.409090909090909091";
    const Lignes lines = RapportZ(z, "€", "10", "5.5", std::nullopt);
    const PageHeading heading = Heading("Rapport Z", PeriodeDuAu("01.12.2026", "01.12.2026"));
    EXPECT_EXPECTED("Pages-z.txt", PagesAsText(LayOutReport(heading, lines)));
}

// No line at all still gives one numbered page; a line exactly filling the
// first page leaves no empty second page.
TEST(PageBreaks, PagesAreAsManyAsTheLinesNeed) {
    const PageHeading heading{{"Café"}, "Totaux", "du 01.12.2026"};
    const std::vector<ReportPage> none = LayOutReport(heading, {});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].lines.back().text, "Page 1 / 1");
    std::size_t perPage = 0;
    for (std::size_t count = 1; count < 200; ++count) {
        const std::size_t pages = LayOutReport(heading, Lignes(count, "x")).size();
        if (pages == 2 && perPage == 0) {
            perPage = count - 1;
        }
    }
    ASSERT_GT(perPage, 40u);
    const struct {
        std::size_t lines, pages;
    } table[] = {{1, 1}, {perPage, 1}, {perPage + 1, 2}, {2 * perPage, 2}, {2 * perPage + 1, 3}};
    for (const auto& row : table) {
        const std::vector<ReportPage> pages = LayOutReport(heading, Lignes(row.lines, "x"));
        EXPECT_EQ(pages.size(), row.pages) << row.lines << " lines";
        EXPECT_EQ(BodyLines(pages, heading).size(), row.lines);
        EXPECT_EQ(pages.back().lines.back().text,
                  "Page " + std::to_string(row.pages) + " / " + std::to_string(row.pages));
    }
}

}  // namespace
}  // namespace vantor::test
