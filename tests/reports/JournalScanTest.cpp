// Reading the journal: one pass for the period and the drawer balance, in one
// piece or several, whatever the line ends; unreadable records count as 0.
#include <random>

#include "ReportFixture.h"
#include "data/Dates.h"
#include "reports/JournalScan.h"
#include "sales/Montant.h"

namespace vantor::test {
namespace {

using Lignes = std::vector<std::string>;

std::string Cents(long cents) {
    const long whole = std::labs(cents) / 100;
    const long rest = std::labs(cents) % 100;
    return (cents < 0 ? "-" : "") + std::to_string(whole) + "." + (rest < 10 ? "0" : "") +
           std::to_string(rest);
}

// Two years of sales by three waiters and a team, with cash movements, from
// a fixed seed; the drawer balance is also added up here, in cents.
struct GeneratedJournal {
    std::string bytes;
    long soldeCents = 0;

    explicit GeneratedJournal(int records) {
        std::mt19937 random(20261205);
        const Lignes waiters = {"Paul", "Marie", "Zo\xE9", "Paul+Marie", "Inconnu"};
        const Lignes kinds = {"Esp", "Cart", "Esp", "Sort"};
        for (int i = 0; i < records; ++i) {
            const long day = i * 672L / records;  // two years of 12 months of 28 days
            const Date date{static_cast<int>(2025 + day / 336), static_cast<int>(1 + day / 28 % 12),
                            static_cast<int>(1 + day % 28)};
            const std::string kind = kinds[random() % kinds.size()];
            long cents = static_cast<long>(random() % 20000) + 1;
            cents = kind == "Sort" && random() % 3 != 0 ? -cents : cents;
            soldeCents += kind == "Cart" ? 0 : cents;
            const bool sortie = kind == "Sort";
            bytes += FormatDate(date) + ";12:00:00;" +
                     (sortie ? "Banque" : waiters[random() % waiters.size()]) + ";" + Cents(cents) +
                     ";" + (sortie ? "10" : std::to_string(random() % 8)) + ";" + kind + ";" +
                     std::to_string(random() % 3) + ";" + (sortie ? "0" : Cents(cents / 10)) +
                     "\r\n";
        }
    }
};

ScanRequest FullRequest(const Date& debut, const Date& fin) {
    ScanRequest request;
    request.debut = DateKey(debut);
    request.fin = DateKey(fin);
    request.slots = {"Tous", "Paul", "Marie", "Paul+Marie"};
    request.solde = true;
    request.movements = true;
    return request;
}

void ExpectSame(const JournalSums& a, const JournalSums& b) {
    EXPECT_EQ(a.period.especes, b.period.especes);
    EXPECT_EQ(a.period.cartes, b.period.cartes);
    EXPECT_EQ(a.period.mouvements, b.period.mouvements);
    EXPECT_EQ(a.period.tva1, b.period.tva1);
    EXPECT_EQ(a.period.tva2, b.period.tva2);
    EXPECT_EQ(a.period.parCategorie, b.period.parCategorie);
    ASSERT_EQ(a.slots.size(), b.slots.size());
    for (std::size_t i = 0; i < a.slots.size(); ++i) {
        EXPECT_EQ(a.slots[i].especes, b.slots[i].especes) << i;
        EXPECT_EQ(a.slots[i].cartes, b.slots[i].cartes) << i;
        EXPECT_EQ(a.slots[i].tva1, b.slots[i].tva1) << i;
        EXPECT_EQ(a.slots[i].tva2, b.slots[i].tva2) << i;
    }
    EXPECT_EQ(a.parCompte, b.parCompte);
    EXPECT_EQ(a.solde, b.solde);
    ASSERT_EQ(a.movements.size(), b.movements.size());
    for (std::size_t i = 0; i < a.movements.size(); ++i) {
        EXPECT_EQ(a.movements[i].date, b.movements[i].date) << i;
        EXPECT_EQ(a.movements[i].montant, b.movements[i].montant) << i;
    }
    EXPECT_EQ(a.unreadable, b.unreadable);
}

class JournalReading : public ReportTest {
protected:
    // The sums of a journal holding these bytes, read in that many parts.
    JournalSums Scan(const std::string& bytes, const ScanRequest& request, int parts) {
        WriteRaw(settings.journal, bytes);
        return ScanJournalFile(settings.journal, request, parts);
    }
};

TEST_F(JournalReading, ReadingInPiecesGivesTheSameSums) {
    const GeneratedJournal journal(20000);
    const ScanRequest request = FullRequest({2025, 3, 1}, {2026, 2, 28});
    const JournalSums whole = Scan(journal.bytes, request, 1);
    EXPECT_TRUE(whole.period.especes.IsPositive());
    EXPECT_FALSE(whole.movements.empty());
    for (const int parts : {2, 3, 7, 64}) {
        SCOPED_TRACE(parts);
        ExpectSame(ScanJournalFile(settings.journal, request, parts), whole);
    }
}

TEST_F(JournalReading, TheFileReadInChunksGivesTheSameSums) {
    GeneratedJournal journal(3000);
    journal.bytes +=
        "05.12.2026;9:00:00;" + std::string(300, 'x') + ";7;0;Esp;1;0.7";  // no line end
    const ScanRequest request = FullRequest({2025, 3, 1}, {2026, 12, 31});
    const JournalSums reference = Scan(journal.bytes, request, 1);
    for (const std::size_t chunk :
         {std::size_t{1}, std::size_t{7}, std::size_t{64}, std::size_t{1000}, kChunkBytes}) {
        for (const int parts : {1, 2, 5}) {
            SCOPED_TRACE(std::to_string(chunk) + " bytes, " + std::to_string(parts) + " parts");
            ExpectSame(ScanJournalFile(settings.journal, request, parts, chunk), reference);
        }
    }
}

TEST_F(JournalReading, OnePassBalanceEqualsAWholeFilePass) {
    const GeneratedJournal journal(30000);
    WriteRaw(settings.journal, journal.bytes);
    const ExactSum expected = *ExactSum::Parse(Cents(journal.soldeCents));
    EXPECT_EQ(SoldeVantor(settings.journal, 1), expected);
    EXPECT_EQ(SoldeVantor(settings.journal, 2), expected);
    // In the same pass as the sums of a period in the middle of the file.
    const std::string line =
        "   Solde vantor :         " + FormatMontant(Cents(journal.soldeCents), false);
    settings.parts = 2;
    const Lignes cash = Lines(JournalVantor(settings, false, {2025, 6, 1}, {2025, 6, 30}));
    EXPECT_EQ(cash[cash.size() - 2], line);
    settings.today = {2025, 6, 30};
    const Lignes totals = Lines(RapportTotaux(settings, {2025, 6, 1}, {2025, 6, 30}, 0));
    EXPECT_EQ(totals[13],
              "Solde vantor       € " + FormatMontant(Cents(journal.soldeCents), false));
}

TEST_F(JournalReading, LineEndsAndBlankLinesDoNotMatter) {
    const Lignes records = {"05.12.2026;9:00:00;Paul;10;0;Esp;1;1",
                            "05.12.2026;9:00:00;Paul;20;0;Cart;2;2",
                            "05.12.2026;0:00:00;;-5;10;Sort;0;0"};
    const std::string endings[] = {"\r\n", "\n"};
    std::vector<std::string> files;
    for (const std::string& end : endings) {
        files.push_back(records[0] + end + records[1] + end + records[2] + end);
        files.push_back(records[0] + end + end + records[1] + end + "\r\n" + records[2]);
    }
    ScanRequest request = FullRequest(kToday, kToday);
    const JournalSums first = Scan(files.front(), request, 1);
    EXPECT_EQ(first.solde, *ExactSum::Parse("5"));
    EXPECT_EQ(first.period.tva2, *ExactSum::Parse("2"));
    EXPECT_EQ(first.unreadable, 0);
    for (const std::string& file : files) {
        ExpectSame(Scan(file, request, 1), first);
        ExpectSame(Scan(file, request, 3), first);
    }
}

TEST_F(JournalReading, ShortAndLongRecordsAreReadByPosition) {
    WriteJournal({"05.12.2026;9:00:00;Paul;10;0;Esp",  // no VAT fields
                  "05.12.2026;9:00:00;Paul;20;1;Cart;1;2;extra;fields",
                  "05.12.2026;9:00:00;A;B;30;0;Esp;1;3",  // a ";" typed in a name
                  "05.12.2026"});
    const Report report = RapportTotaux(settings, kToday, kToday, 0);
    const Lignes lines = Lines(report);
    EXPECT_EQ(lines[2], "Cartes             €    20.00");
    EXPECT_EQ(lines[3], "Espèces            €    10.00");
    EXPECT_EQ(lines.back(), "TVA à 5.5%         €     0.00");
    EXPECT_EQ(report.unreadable, 2) << "the two short records were cut";
}

// A record cut short or a line longer than any record is counted as
// unreadable, however the file is read; a last line cut short without its
// line end is a sale being written and waits for the next reading.
TEST_F(JournalReading, CutAndOverlongLinesAreCountedButNotASaleBeingWritten) {
    const std::string whole = "05.12.2026;9:00:00;Paul;10;0;Esp;1;1\r\n";
    const std::string huge(300000, 'x');
    const struct {
        std::string journal;
        long unreadable;
        const char* especes;
    } cases[] = {
        {whole + "05.12.2026;9:00:00;Anne;2.05\r\n" + whole, 1, "20"},
        {whole + "01.01.2020;9:00:00;Anne;2.05\r\n", 1, "10"},  // it may be a cash sale
        {whole + "05.12.2026;9:00:00;Anne;2.05", 0, "10"},
        {whole + "05.12.2026;9:00:00;Anne;2.05;0;Esp;1;0.2", 0, "12.05"},
        {whole + huge + "\r\n" + whole, 1, "20"},
        {"05.12.2026;9:00:00;" + huge + ";7;0;Esp;1;1\r\n" + whole, 1, "10"},
        {whole + "05.12.2026;9:00:00;" + huge, 1, "10"},
    };
    const ScanRequest request = FullRequest(kToday, kToday);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.journal.substr(0, 80));
        for (const int parts : {1, 3}) {
            const JournalSums sums = Scan(c.journal, request, parts);
            EXPECT_EQ(sums.unreadable, c.unreadable);
            EXPECT_EQ(sums.period.especes, *ExactSum::Parse(c.especes));
            for (const std::size_t chunk : {std::size_t{1000}, kChunkBytes}) {
                ExpectSame(ScanJournalFile(settings.journal, request, parts, chunk), sums);
            }
        }
    }
}

TEST_F(JournalReading, UnreadableNumbersCountAsZeroAndAreCounted) {
    WriteJournal({
        "05.12.2026;9:00:00;Paul;abc;0;Esp;1;1",      // amount
        "05.12.2026;9:00:00;Paul;5;0;Esp;1;x",        // VAT amount of a VAT code
        "05.12.2026;9:00:00;Paul;6;0;Esp;0;x",        // VAT amount without a code: not read
        "31.02.2026;9:00:00;Paul;5;0;Esp;0;0",        // date; its cash is in the balance
        "01.01.2020;9:00:00;Paul;1,5;0;Esp;0;0",      // amount read only for the balance
        "05.12.2026;9:00:00;Paul;zz;10;Autre;0;0",    // amount nothing needs
        "05.12.2026;9:00:00;Paul; 7 ;0;Cart;2;+0.7",  // spaces and "+" are numbers
    });
    const Report today = RapportTotaux(settings, kToday, kToday, 0);
    EXPECT_EQ(today.unreadable, 4);
    const Lignes lines = Lines(today);
    EXPECT_EQ(lines[2], "Cartes             €     7.00");
    EXPECT_EQ(lines[3], "Espèces            €    11.00");
    EXPECT_EQ(lines[13], "Solde vantor       €    16.00");
    EXPECT_EQ(lines.back(), "TVA à 5.5%         €     0.70");
    EXPECT_EQ(lines[lines.size() - 2], "TVA à 10%          €     1.00");
    settings.today = {2026, 12, 6};  // no balance: the 1,5 of 2020 is not read
    EXPECT_EQ(RapportTotaux(settings, kToday, kToday, 0).unreadable, 3);
    EXPECT_EQ(JournalVantor(settings, true, kToday, kToday).unreadable, 2);
}

TEST_F(JournalReading, AnUnreadableMovementAmountIsPrintedAsWritten) {
    WriteJournal({"05.12.2026;0:00:00;;abc;10;Sort;0;0"});
    const Report report = JournalVantor(settings, false, kToday, kToday);
    EXPECT_EQ(report.lines[4], "05.12.2026  Sortie Vantor   abc.00");
    EXPECT_EQ(report.unreadable, 1);
}

}  // namespace
}  // namespace vantor::test
