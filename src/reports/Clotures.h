#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backup/BackupLog.h"
#include "ledger/ChainEntry.h"
#include "ledger/Closures.h"
#include "platform/DateTime.h"
#include "reports/CorrectionSums.h"
#include "reports/ExactSum.h"
#include "reports/Report.h"

namespace vantor {

// What a closing must have confirmed before it closes anything: today is
// far after the last record (the clock may be wrong).
struct FarDate {
    Date lastRecord;
    Date today;
    long days = 0;  // from the one to the other
    Date closedTo;  // the last day that the closing would close
};
// A date more than this many days after the last record is asked about.
inline constexpr long kDaysBeforeAsking = 4;

struct ClosingRun {
    std::vector<Closure> made;  // in the order they were written
    bool refused = false;       // the far date was not confirmed: nothing was closed
};

// Closes, in date order, every day that holds journal records, lies after
// the last closed day and before today (up to today with aujourdhui); right
// before the first day closure after a month, that month (the sum of its
// days), and after the last month of a year, that year: a month or year is
// closed once a later day is, whatever the clock says. Each closure is
// appended to Clotures.csv under the chain with its event, so that a closing
// stopped at any point goes on at the next one and closes each period once.
// The totals are those the totals report gives for the period, read with the
// same code. When today is more than kDaysBeforeAsking days after the last
// record, confirm is asked first. Throws FileError.
ClosingRun Cloturer(const std::string& dataPath, const DateTime& now, bool aujourdhui,
                    const std::function<bool(const FarDate&)>& confirm);

// The closures of 16 fields, written before the included VAT was kept, get
// it from the journal records of their periods, read as for their totals
// (the chain shows them unchanged since); the others are left as they are.
void CompleterTvaIncluse(const std::string& dataPath, std::vector<Closure>& closures);

// An amount field of a closure line, 0 when it cannot be read.
ExactSum ClosureAmount(const std::string& text);

// The Z report of a closure, in the report line forms; its VAT is the VAT
// included in the takings, rounded to cents. The corrections, discounts and
// offered lines of its period (CorrectionsOfClosure) come before the grand
// totals; none from a folder without the sales' lines.
std::vector<std::string> RapportZ(const Closure& closure, const std::string& monnaie,
                                  const std::string& taux1, const std::string& taux2,
                                  const std::optional<CorrectionSums>& corrections);
// Those of the closure's period, read from lignes.csv when the Z is made:
// the file is only ever appended to under the chain and no sale can be
// dated in a closed period (its corrections are dated the day they are
// made), so a Z made again later reads the same lines as at the closure.
std::optional<CorrectionSums> CorrectionsOfClosure(const std::string& dataPath,
                                                   const Closure& closure);
// The Z of the day closure of that date, as "Clôture du jour" showed it
// (without the chain's head of that moment, which the file does not keep),
// its backup line fitted to width characters; nothing when the day has no
// closure. Throws FileError.
std::optional<Report> RapportZDuJour(const std::string& dataPath, const ReportSettings& report,
                                     const Date& jour, int width);
// "Aucune clôture du jour pour le 05.12.2026": why a day has no Z.
std::string SansClotureDuJour(const Date& jour);

// The chain's head when the Z report is printed (its entry number and whole
// hash, the code `vantor verify --contre` takes) and the first digits of the
// shop's key, printed below the grand totals: the Z, once out of the shop,
// is what a rewritten history no longer matches.
std::vector<std::string> LignesChaine(const std::optional<ChainEntry>& head,
                                      const std::string& cle);

// "Dernière sauvegarde vérifiée : 07.12.2026 23:10:05" ("aucune" without
// one), the caption on a line of its own when the whole does not fit width
// characters, then a separator: the Z tells how safe the days before are.
std::vector<std::string> LignesSauvegarde(const std::optional<VerifiedBackup>& last, int width);

// The whole Z of a closure, the one "Clôture du jour" prints and `vantor
// report z` prints again later: RapportZ with the corrections of its period,
// then the chain's lines given (the head when it was printed; none when the
// files no longer tell it), then the last backup verified before the closure
// was made, fitted to width characters. An unreadable backup log leaves its
// line out: the closure is made already.
std::vector<std::string> RapportZComplet(const std::string& dataPath, const Closure& closure,
                                         const std::string& monnaie, const std::string& taux1,
                                         const std::string& taux2,
                                         const std::vector<std::string>& chaine, int width);

}  // namespace vantor
