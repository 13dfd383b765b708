// The accounting entries of a long random journal: every entry balances, and
// the cash and card booked each day are that day's, to the cent.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

#include "ReportFixture.h"
#include "data/Dates.h"
#include "reports/ExactSum.h"
#include "reports/ExportComptable.h"
#include "reports/JournalScan.h"

namespace vantor::test {
namespace {

// "12,34" as cents.
std::int64_t CentsOf(const std::string& text) {
    const std::size_t comma = text.find(',');
    const bool negative = text.starts_with("-");
    const std::int64_t whole = std::stoll(text.substr(negative ? 1 : 0, comma));
    const std::int64_t cents = whole * 100 + std::stoll(text.substr(comma + 1));
    return negative ? -cents : cents;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == '\t') {
        fields.emplace_back();
    }
    return fields;
}

// Amounts with up to four decimals (split payments), refunds, movements.
struct RandomJournal {
    std::string bytes;
    std::map<std::string, ExactSum> especes;  // by day text, added up here
    std::map<std::string, ExactSum> cartes;

    explicit RandomJournal(int records) {
        std::mt19937 random(30122026);
        const char* kinds[] = {"Esp", "Cart", "Esp", "Sort"};
        for (int i = 0; i < records; ++i) {
            const int day = static_cast<int>(i * 60L / records);
            const std::string date = FormatDate(Date{2026, 11 + day / 30, 1 + day % 30});
            const std::string kind = kinds[random() % 4];
            long units = static_cast<long>(random() % 300000) + 1;  // in 1/10000
            units = random() % 50 == 0 ? -units : units;
            std::ostringstream amount;
            amount << units / 10000 << "." << (std::abs(units) % 10000);
            std::string text = (units < 0 && units > -10000 ? "-" : "") + amount.str();
            const int code = static_cast<int>(random() % 3);
            const double rate = code == 1 ? 10 : code == 2 ? 5.5 : 0;
            std::ostringstream vat;
            vat.precision(15);
            vat << static_cast<double>(units) / 10000 * rate / 100;
            const std::string field7 = kind == std::string("Sort") ? "2" : std::to_string(code);
            bytes += date + ";9:00:00;Paul;" + text + ";0;" + kind + ";" + field7 + ";" +
                     (kind == std::string("Sort") ? "0" : vat.str()) + "\r\n";
            if (kind == std::string("Esp")) {
                especes[date] += *ExactSum::Parse(text);
            } else if (kind == std::string("Cart")) {
                cartes[date] += *ExactSum::Parse(text);
            }
        }
    }
};

TEST_F(ReportTest, EveryEntryOfALongJournalBalancesAndBooksItsDay) {
    const RandomJournal journal(100000);
    WriteRaw(settings.journal, journal.bytes);
    const ExportComptable data =
        LireExportComptable(folder.Path(), Date{2026, 11, 1}, Date{2026, 12, 31}, true);
    ASSERT_EQ(data.jours.size(), 60u);
    std::istringstream in(FecComptable(data));
    std::string line;
    std::getline(in, line);
    std::map<std::string, std::int64_t> balance;  // by entry number
    std::map<std::string, std::int64_t> cash;     // by day yyyymmdd
    std::map<std::string, std::int64_t> card;
    std::size_t lines = 0;
    while (std::getline(in, line)) {
        ASSERT_TRUE(line.ends_with("\r"));
        line.pop_back();
        const std::vector<std::string> f = Fields(line);
        ASSERT_EQ(f.size(), 18u) << line;
        const std::int64_t net = CentsOf(f[11]) - CentsOf(f[12]);
        ASSERT_TRUE(CentsOf(f[11]) == 0 || CentsOf(f[12]) == 0) << line;
        balance[f[2]] += net;
        if (f[4] == "530") {
            cash[f[3]] += net;
        } else if (f[4] == "5112") {
            card[f[3]] += net;
        }
        ++lines;
    }
    EXPECT_GT(lines, 600u);
    for (const auto& [entry, sum] : balance) {
        EXPECT_EQ(sum, 0) << "entry " << entry;
    }
    for (const auto& [date, sum] : journal.especes) {
        const Date day = *ParseDate(date);
        const std::string key = std::to_string(DateKey(day));
        EXPECT_EQ(cash[key], sum.Cents()) << date;
        EXPECT_EQ(card[key], journal.cartes.at(date).Cents()) << date;
    }
}

}  // namespace
}  // namespace vantor::test
