// The days of the accountant's export, read as the closures read them.
#include <map>

#include "data/CatalogueFiles.h"
#include "data/DataFiles.h"
#include "data/Dates.h"
#include "data/Infos.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "reports/ClosureDays.h"
#include "reports/Clotures.h"
#include "reports/ExportComptable.h"

namespace vantor {

namespace {

// Rounds each running total, so that the parts add up to the whole rounded.
template <std::size_t N>
std::array<std::int64_t, N> ExportCentsAddingUp(const std::array<ExactSum, N>& parts) {
    std::array<std::int64_t, N> cents{};
    ExactSum running;
    std::int64_t before = 0;
    for (std::size_t k = 0; k < N; ++k) {
        running += parts[k];
        const std::int64_t now = running.Cents();
        cents[k] = now - before;
        before = now;
    }
    return cents;
}

JourComptable JourDuScan(long key, const PeriodSums& sums, const DayScan* scan) {
    JourComptable jour;
    jour.date = DateOfKey(key);
    if (scan != nullptr) {
        jour.ventes = scan->ventes;
        jour.premier = scan->premier;
        jour.dernier = scan->dernier;
    }
    jour.especes = ExportCentsAddingUp(sums.especesParCode);
    jour.cartes = ExportCentsAddingUp(sums.cartesParCode);
    jour.tva = {0, sums.tvaIncluse1.Cents(), sums.tvaIncluse2.Cents()};
    jour.mouvements = sums.mouvements.Cents();
    return jour;
}

// The closure's figures, to the cent, as the day's journal gives them now.
void ExportCheckAgainstClosure(const JourComptable& jour, const PeriodSums& sums,
                               const Closure& closure) {
    const bool same =
        sums.especes.Cents() == ClosureAmount(closure.especes).Cents() &&
        sums.cartes.Cents() == ClosureAmount(closure.cartes).Cents() &&
        sums.mouvements.Cents() == ClosureAmount(closure.mouvements).Cents() &&
        (!closure.tvaIncluse1 || jour.tva[1] == ClosureAmount(*closure.tvaIncluse1).Cents()) &&
        (!closure.tvaIncluse2 || jour.tva[2] == ClosureAmount(*closure.tvaIncluse2).Cents());
    if (!same) {
        throw FileError("Le journal de la journée du " + FormatDate(jour.date) +
                        " ne donne plus les montants de sa clôture : vantor verify dit ce qui "
                        "a changé ; rien n'est exporté.");
    }
}

}  // namespace

NumerosComptes LireNumerosComptes(const std::string& dataPath) {
    NumerosComptes numeros;
    const std::vector<std::string> lines =
        ReadOrCreate(JoinPath(dataPath, kNumerosComptesFile), {}, WhenMissing::UseDefaults);
    std::string* fields[] = {&numeros.ventes, &numeros.tva, &numeros.caisse, &numeros.cartes};
    for (std::size_t i = 0; i < std::size(fields) && i < lines.size(); ++i) {
        if (const std::string number = Trim(lines[i]); !number.empty()) {
            *fields[i] = number;
        }
    }
    return numeros;
}

ExportComptable LireExportComptable(const std::string& dataPath, const Date& du, const Date& au,
                                    bool ouverts) {
    ExportComptable data;
    data.du = du;
    data.au = au;
    data.ouvertsCompris = ouverts;
    InfosRecord infos;
    LireInfos(dataPath, infos, WhenMissing::UseDefaults);
    data.taux1 = infos[TauxSurPlace];
    data.taux2 = infos[TauxEmporter];
    data.comptes = LireComptes(dataPath, WhenMissing::UseDefaults);
    data.numeros = LireNumerosComptes(dataPath);

    std::map<long, Closure> closures;  // of a day closed twice, the first counts
    for (const Closure& closure : ReadClosures(dataPath)) {
        if (closure.period == kClosureDay && closure.debut >= du && closure.debut <= au) {
            closures.try_emplace(DateKey(closure.debut), closure);
        }
    }
    JournalDays scan = ScanDays(dataPath, DateKey(du) - 1, DateKey(au));
    std::map<long, std::pair<PeriodSums, DayScan*>> days;
    std::map<long, std::array<ExactSum, 10>> accounts;
    for (auto& [key, day] : scan.days) {
        JournalSums sums = day.scanner.Result();
        accounts[key] = sums.parCompte;
        days.emplace(key, std::make_pair(sums.period, &day));
    }
    for (const auto& [key, closure] : closures) {
        days.try_emplace(key, PeriodSums{}, nullptr);  // closed, yet no record left
    }
    for (const auto& [key, day] : days) {
        JourComptable jour = JourDuScan(key, day.first, day.second);
        jour.comptes = ExportCentsAddingUp(accounts[key]);
        const auto closure = closures.find(key);
        if (closure != closures.end()) {
            ExportCheckAgainstClosure(jour, day.first, closure->second);
            jour.cloture = true;
            jour.validite = closure->second.made.date;
        } else {
            data.ouverts.push_back(jour.date);
            if (!ouverts) {
                continue;
            }
        }
        data.jours.push_back(jour);
    }
    return data;
}

std::vector<std::string> CouvertureExport(const ExportComptable& data) {
    std::vector<std::string> lines;
    long closed = 0;
    std::optional<Date> first;
    std::optional<Date> last;
    long ventes = 0;
    long premier = 0;
    long dernier = 0;
    for (const JourComptable& jour : data.jours) {
        closed += jour.cloture ? 1 : 0;
        first = jour.cloture && !first ? jour.date : first;
        last = jour.cloture ? jour.date : last;
        ventes += jour.ventes;
        premier = premier == 0 ? jour.premier : premier;
        dernier = jour.dernier != 0 ? jour.dernier : dernier;
    }
    std::string line = "Export comptable du " + FormatDate(data.du) + " au " + FormatDate(data.au) +
                       " : " + std::to_string(closed) +
                       (closed > 1 ? " journées clôturées" : " journée clôturée");
    if (first) {
        line += " (du " + FormatDate(*first) + " au " + FormatDate(*last) + ")";
    }
    line += ", " + std::to_string(ventes) + (ventes > 1 ? " ventes" : " vente");
    if (premier != 0) {
        line += " (tickets " + std::to_string(premier) + " à " + std::to_string(dernier) + ")";
    }
    lines.push_back(line + ".");
    for (const Date& day : data.ouverts) {
        lines.push_back(
            "Journée non clôturée" +
            std::string(data.ouvertsCompris ? ", comprise : " : ", laissée de côté : ") +
            FormatDate(day));
    }
    return lines;
}

std::string MontantVirgule(std::int64_t cents) {
    const bool negative = cents < 0;
    const std::uint64_t value =
        negative ? static_cast<std::uint64_t>(-(cents + 1)) + 1 : static_cast<std::uint64_t>(cents);
    std::string decimals = std::to_string(value % 100);
    if (decimals.size() < 2) {
        decimals.insert(0, "0");
    }
    return (negative ? "-" : "") + std::to_string(value / 100) + "," + decimals;
}

}  // namespace vantor
