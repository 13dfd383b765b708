// Writes a data folder with a realistic sales journal for the report
// benchmark: three years of a café's sales (tickets of one to four categories
// paid in cash, by card or split, five waiter entries including a team) and
// cash movements, as the checkout records them. The same seed always gives
// the same file.
//   generate-journal FOLDER [RECORDS]
#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "data/Dates.h"
#include "data/Numbers.h"

namespace {

using vantor::Date;

constexpr std::chrono::year_month_day kFirstDay{std::chrono::year{2024}, std::chrono::January,
                                                std::chrono::day{1}};
constexpr long kDays = 1096;  // 2024 to 2026
const std::vector<std::string> kWaiters = {"Paul", "Marie", "Luc", "Paul+Marie", "Zo\xE9"};
const std::vector<std::string> kMovements = {"Banque", "Fond de caisse", "Fournisseur",
                                             "Pourboires", ""};

class Journal {
public:
    explicit Journal(long records) : records_(records), random_(20240101) {}

    void Write(std::ostream& out) {
        std::string buffer;
        while (written_ < records_) {
            Ticket(buffer);
            if (Chance(0.004) && written_ < records_) {
                Movement(buffer);
            }
            if (buffer.size() > (1 << 20)) {
                out << buffer;
                buffer.clear();
            }
        }
        out << buffer;
    }

private:
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    // Days advance with the records, so that the file spans the three years.
    std::string Day() const {
        const long days = std::min(written_ * kDays / records_, kDays - 1);
        const std::chrono::year_month_day day{std::chrono::sys_days(kFirstDay) +
                                              std::chrono::days(days)};
        return vantor::FormatDate(Date{static_cast<int>(day.year()),
                                       static_cast<int>(static_cast<unsigned>(day.month())),
                                       static_cast<int>(static_cast<unsigned>(day.day()))});
    }
    std::string Time() {
        return std::to_string(Between(7, 23)) + ":" + Two(Between(0, 59)) + ":" +
               Two(Between(0, 59));
    }
    static std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

    void Record(std::string& out, const std::string& time, const std::string& who, double amount,
                int category, const char* kind, const std::string& mode, double vat) {
        if (written_ == records_) {
            return;  // exactly the number asked for, even within a ticket
        }
        out += Day() + ";" + time + ";" + who + ";" + vantor::NumberToText(amount) + ";" +
               std::to_string(category) + ";" + kind + ";" + mode + ";" +
               vantor::NumberToText(vat) + "\r\n";
        ++written_;
    }

    void Ticket(std::string& out) {
        const std::string time = Time();
        const std::string& waiter = kWaiters[static_cast<std::size_t>(Between(0, 4))];
        const int mode = Chance(0.05) ? 0 : Chance(0.25) ? 2 : 1;
        const double rate = mode == 1 ? 10 : mode == 2 ? 5.5 : 0;
        const int payment = Chance(0.1) ? 2 : Chance(0.4) ? 1 : 0;  // mixed, card, cash
        const double cash = payment == 2 ? Between(10, 90) / 100.0 : 0;
        int category = Between(0, 3);
        for (int lines = Between(1, 4); lines > 0 && category < 8; --lines) {
            const double subtotal = Between(1, 4) * Between(250, 2500) / 100.0;
            const double vat = subtotal * rate / 100;
            const std::string m = std::to_string(mode);
            if (payment == 2) {
                Record(out, time, waiter, cash * subtotal, category, "Esp", m, cash * vat);
                Record(out, time, waiter, (1 - cash) * subtotal, category, "Cart", m,
                       (1 - cash) * vat);
            } else {
                Record(out, time, waiter, subtotal, category, payment == 1 ? "Cart" : "Esp", m,
                       vat);
            }
            category += Between(1, 3);
        }
    }

    void Movement(std::string& out) {
        const std::size_t which = static_cast<std::size_t>(Between(0, 4));
        const double amount = which == 1   ? 150
                              : which == 3 ? Between(500, 4000) / 100.0
                                           : -Between(2000, 80000) / 100.0;
        out += Day() + ";0:00:00;" + kMovements[which] + ";" + vantor::NumberToText(amount) +
               ";10;Sort;" + std::to_string(which) + ";0\r\n";
        ++written_;
    }

    long records_;
    long written_ = 0;
    std::mt19937_64 random_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: generate-journal FOLDER [RECORDS]\n";
        return 2;
    }
    const std::string folder = argv[1];
    const long records = argc > 2 ? std::stol(argv[2]) : 1000000;
    std::ofstream journal(folder + "/tickets.csv", std::ios::binary);
    Journal(records).Write(journal);
    std::ofstream(folder + "/Serveurs.txt", std::ios::binary)
        << "Paul\r\nMarie\r\nLuc\r\nPaul+Marie\r\nZo\xE9\r\n";
    std::ofstream infos(folder + "/Infos.txt", std::ios::binary);
    for (int line = 1; line <= 17; ++line) {
        infos << (line == 1   ? "Caf\xE9 du Port"
                  : line == 6 ? "10"
                  : line == 7 ? "5.5"
                              : "")
              << "\r\n";
    }
    return journal && infos ? 0 : 1;
}
