#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"
#include "reports/ExactSum.h"

namespace vantor {

// What one reading of the journal adds up. Dates are keys yyyymmdd.
struct ScanRequest {
    long debut = 0;  // the period, both days included
    long fin = 0;
    // Only the records of this waiter (Windows-1252, as in the file) count in
    // the period sums; none: all waiters.
    std::optional<std::string> serveur;
    // Names of the waiter slots 0..N-1 (Windows-1252); when not empty, the
    // period's cash, card and VAT are also summed per slot, slot N taking
    // the records whose waiter is in none.
    std::vector<std::string> waiterSlots;
    bool solde = false;      // the drawer balance over the whole journal
    bool movements = false;  // keep the cash movements of the period
    bool vat = true;         // the VAT amounts are read (and counted unreadable)
    bool charts = false;     // the takings also per day and per hour of the day
};

// tva1 and tva2 add up field 8 of the records with VAT code 1 and 2, as it
// is written (amount × rate / 100); tvaIncluse1 and tvaIncluse2 the VAT that
// their amounts include (IncludedVat), which is what the receipts show.
struct PeriodSums {
    ExactSum especes, cartes, mouvements, tva1, tva2, tvaIncluse1, tvaIncluse2;
    std::array<ExactSum, 9> parCategorie;
    // The cash and card sales by VAT code (0: none, 1, 2), which the
    // accountant's export books per rate; each adds up to especes or cartes.
    std::array<ExactSum, 3> especesParCode, cartesParCode;
    friend bool operator==(const PeriodSums&, const PeriodSums&) = default;
};

struct WaiterSums {
    ExactSum especes, cartes, tva1, tva2, tvaIncluse1, tvaIncluse2;
    friend bool operator==(const WaiterSums&, const WaiterSums&) = default;
};

// A cash movement of the period, its texts as UTF-8.
struct Movement {
    std::string date;
    std::string texte;
    std::string montant;  // the amount as written in the file
    ExactSum valeur;      // 0 when that text is not a number
    friend bool operator==(const Movement&, const Movement&) = default;
};

// The cash and card takings of a day or an hour.
struct Takings {
    ExactSum especes, cartes;
    friend bool operator==(const Takings&, const Takings&) = default;
};

// Hour 24: the sales whose time cannot be read.
inline constexpr std::size_t kUnknownHour = 24;

struct ChartSums {
    std::map<long, Takings> parJour;  // the days with a sale, by key yyyymmdd
    std::array<Takings, kUnknownHour + 1> parHeure;
    friend bool operator==(const ChartSums&, const ChartSums&) = default;
};

struct JournalSums {
    PeriodSums period;
    std::vector<WaiterSums> waiterSlots;  // N + 1 slots when asked for
    std::array<ExactSum, 10> parCompte;   // movements of the period by account digit
    ExactSum solde;                       // "Esp" and "Sort" amounts of every date
    std::vector<Movement> movements;      // in file order
    ChartSums charts;                     // when asked for
    // Records this reading needed a number or a date from and could not read
    // one; they count as 0.
    long unreadable = 0;

    // Adds the sums of the next piece of the file.
    void Merge(JournalSums&& next);
    friend bool operator==(const JournalSums&, const JournalSums&) = default;
};

// The VAT included in a record's amount (field 4) whose field 8 was written
// as amount × rate / 100: the rate is 100 × vat / amount, and the VAT inside
// the amount vat × amount / (amount + vat), to the 18th decimal. An amount
// and a VAT of 0 include 0; nullopt when amount + vat is 0 otherwise, or the
// result is out of range.
std::optional<ExactSum> IncludedVat(const ExactSum& amount, const ExactSum& vat);

// Reads the journal file once, as a stream. It may be read in several parts
// at the same time (parts > 1), each part reading its share of the file
// chunkBytes at a time into one buffer; the sums depend on neither. Throws
// FileError when the file cannot be read.
inline constexpr std::size_t kChunkBytes = 256u << 10;
JournalSums ScanJournalFile(const std::string& path, const ScanRequest& request, int parts = 1,
                            std::size_t chunkBytes = kChunkBytes);

// How many pieces are worth reading at the same time for a journal of this size.
int ScanParts(std::size_t bytes);

// The date as a key yyyymmdd, and back.
long DateKey(const Date& date);
Date DateOfKey(long key);

}  // namespace vantor
