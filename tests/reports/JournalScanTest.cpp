// Reading the journal: one pass for the period and the drawer balance, in one
// piece or several, whatever the line ends; unreadable records count as 0.
#include <cstdint>
#include <random>

#include "ReportFixture.h"
#include "data/Dates.h"
#include "data/Numbers.h"
#include "reports/JournalScan.h"
#include "reports/ReadJournal.h"
#include "sales/Montant.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

using Lignes = std::vector<std::string>;

// An amount in cents as the journal writes it.
std::string Cents(long cents) {
    return FormatCents(static_cast<double>(cents) / 100);
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
            const int day = static_cast<int>(i * 672L / records);  // 28 days a month
            const Date date{2025 + day / 336, 1 + day / 28 % 12, 1 + day % 28};
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
    request.waiterSlots = {"Tous", "Paul", "Marie", "Paul+Marie"};
    request.solde = true;
    request.movements = true;
    return request;
}

class JournalReading : public ReportTest {
protected:
    JournalSums Scan(const ScanRequest& request, int parts = 1,
                     std::size_t chunk = kChunkBytes) const {
        return ScanJournalFile(settings.journal, request, parts, chunk);
    }
};

// The file read in several pieces at once, each a few bytes at a time, gives
// the sums of one reading in one piece, with a last line cut short.
TEST_F(JournalReading, ReadingInPiecesAndChunksGivesTheSameSums) {
    GeneratedJournal journal(3000);
    journal.bytes +=
        "05.12.2026;9:00:00;" + std::string(300, 'x') + ";7;0;Esp;1;0.7";  // no line end
    WriteRaw(settings.journal, journal.bytes);
    const ScanRequest request = FullRequest({2025, 3, 1}, {2026, 2, 28});
    const JournalSums whole = Scan(request);
    EXPECT_TRUE(whole.period.especes.IsPositive());
    EXPECT_FALSE(whole.movements.empty());
    for (const std::size_t chunk :
         {std::size_t{1}, std::size_t{7}, std::size_t{1000}, kChunkBytes}) {
        for (const int parts : {1, 2, 5, 64}) {
            EXPECT_EQ(Scan(request, parts, chunk), whole)
                << chunk << " bytes, " << parts << " parts";
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
        "   Solde caisse :         " + FormatMontant(Cents(journal.soldeCents), false);
    settings.parts = 2;
    const Lignes cash = Lines(JournalVantor(settings, false, {2025, 6, 1}, {2025, 6, 28}));
    EXPECT_EQ(cash[cash.size() - 2], line);
    settings.today = {2025, 6, 28};
    const Lignes totals = Lines(RapportTotaux(settings, {2025, 6, 1}, {2025, 6, 28}, 0));
    EXPECT_EQ(totals[13],
              "Solde caisse       € " + FormatMontant(Cents(journal.soldeCents), false));
}

// Sales at 10 % and 5.5 %, split in cash and card as the till splits them:
// the VAT they include is, at each rate, the sum of their amounts times
// rate / (100 + rate), added up here in exact fractions of cents.
TEST_F(JournalReading, TheIncludedVatOfManySalesIsThatOfTheirTotal) {
    std::mt19937 random(20261206);
    std::string bytes;
    std::int64_t cents10 = 0;  // the amounts at 10 %
    std::int64_t cents55 = 0;  // and at 5.5 %
    for (int i = 0; i < 20000; ++i) {
        const bool surPlace = random() % 2 == 0;
        const double rate = surPlace ? 10 : 5.5;
        const long cents = static_cast<long>(random() % 30000) + 1;
        (surPlace ? cents10 : cents55) += cents;
        const double amount = static_cast<double>(cents) / 100;
        // A split payment as the till writes it: the cash share p of the
        // amount and of its VAT, then the rest by card.
        const double p = i % 3 == 0 ? static_cast<double>(random() % 100) / 100 : 1;
        for (const double share : p == 1 ? std::vector<double>{1} : std::vector<double>{p, 1 - p}) {
            bytes += "05.12.2026;12:00:00;Paul;" + NumberToText(share * amount) + ";0;Esp;" +
                     (surPlace ? "1" : "2") + ";" + NumberToText(share * amount * rate / 100) +
                     "\r\n";
        }
    }
    WriteRaw(settings.journal, bytes);
    // 10 / 110 = 1 / 11 and 5.5 / 105.5 = 11 / 211, rounded half up to cents.
    const auto rounded = [](std::int64_t numerator, std::int64_t denominator) {
        return Cents(static_cast<long>((2 * numerator + denominator) / (2 * denominator)));
    };
    for (const int parts : {1, 2}) {
        const JournalSums sums = Scan(PeriodRequest(kToday, kToday), parts);
        EXPECT_EQ(sums.period.tvaIncluse1.RoundedToCents(), *ExactSum::Parse(rounded(cents10, 11)));
        EXPECT_EQ(sums.period.tvaIncluse2.RoundedToCents(),
                  *ExactSum::Parse(rounded(cents55 * 11, 211)));
        EXPECT_EQ(sums.unreadable, 0);
    }
}

TEST_F(JournalReading, ShortAndLongRecordsAreReadByPosition) {
    WriteJournal({"05.12.2026;9:00:00;Paul;10;0;Esp",  // no VAT fields
                  "05.12.2026;9:00:00;Paul;20;1;Cart;1;2;extra;fields",
                  "05.12.2026;9:00:00;A;B;30;0;Esp;1;3",  // a ";" typed in a name
                  "05.12.2026"});
    const Report report = RapportTotaux(settings, kToday, kToday, 0);
    EXPECT_EXPECTED("Totaux-champs.txt", Joined(Lines(report)));
    EXPECT_EQ(report.unreadable, 2) << "the two short records were cut";
}

// Line ends and blank lines do not matter. A record cut short or a line
// longer than any record is counted as unreadable, however the file is read;
// a last line cut short without its line end is a sale being written and
// waits for the next reading.
TEST_F(JournalReading, CutAndOverlongLinesAreCountedButNotASaleBeingWritten) {
    const std::string record = "05.12.2026;9:00:00;Paul;10;0;Esp;1;1";
    const std::string whole = record + "\r\n";
    const std::string card = "05.12.2026;9:00:00;Paul;20;0;Cart;2;2";
    const std::string huge(300000, 'x');
    const struct {
        std::string journal;
        long unreadable;
        const char* especes;
    } cases[] = {
        {record + "\n" + card + "\n" + record + "\n", 0, "20"},
        {record + "\n\n" + card + "\n\r\n" + record, 0, "20"},
        {whole + "\r\n" + card + "\r\n\r\n" + record, 0, "20"},
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
        WriteRaw(settings.journal, c.journal);
        const JournalSums sums = Scan(request);
        EXPECT_EQ(sums.unreadable, c.unreadable);
        EXPECT_EQ(sums.period.especes, *ExactSum::Parse(c.especes));
        EXPECT_EQ(Scan(request, 3, 1000), sums);
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
    EXPECT_EXPECTED("Totaux-illisibles.txt", Joined(Lines(today)));
    settings.today = {2026, 12, 6};  // no balance: the 1,5 of 2020 is not read
    EXPECT_EQ(RapportTotaux(settings, kToday, kToday, 0).unreadable, 3);
    EXPECT_EQ(JournalVantor(settings, true, kToday, kToday).unreadable, 2);
}

TEST_F(JournalReading, AnUnreadableMovementAmountIsPrintedAsWritten) {
    WriteJournal({"05.12.2026;0:00:00;;abc;10;Sort;0;0"});
    const Report report = JournalVantor(settings, false, kToday, kToday);
    EXPECT_EQ(report.lines[4], "05.12.2026  Sortie Caisse   abc.00");
    EXPECT_EQ(report.unreadable, 1);
}

}  // namespace
}  // namespace vantor::test
