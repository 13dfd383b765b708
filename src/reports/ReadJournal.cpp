#include "reports/ReadJournal.h"

#include "data/TextFile.h"
#include "platform/Paths.h"
#include "reports/Report.h"

namespace vantor {

std::optional<JournalSums> LireJournal(const std::string& journal, const ScanRequest& request,
                                       int parts) {
    if (!FileExists(journal)) {
        return std::nullopt;
    }
    return ScanJournalFile(journal, request, parts > 0 ? parts : ScanParts(FileSize(journal)));
}

Report ReportFromJournal(
    const ReportSettings& settings, const ScanRequest& request,
    const std::function<void(std::vector<std::string>& lines, const JournalSums& sums)>& write) {
    Report report;
    const std::optional<JournalSums> sums = LireJournal(settings.journal, request, settings.parts);
    if (!sums) {
        report.noJournal = true;
        return report;
    }
    write(report.lines, *sums);
    report.unreadable = sums->unreadable;
    return report;
}

ScanRequest PeriodRequest(const Date& debut, const Date& fin) {
    ScanRequest request;
    request.debut = DateKey(debut);
    request.fin = DateKey(fin);
    return request;
}

std::optional<ExactSum> SoldeVantor(const std::string& journal, int parts) {
    ScanRequest request;
    request.debut = 1;  // an empty period
    request.fin = 0;
    request.solde = true;
    std::optional<JournalSums> sums = LireJournal(journal, request, parts);
    return sums ? std::optional<ExactSum>(sums->solde) : std::nullopt;
}

std::string AvisIllisibles(long count) {
    if (count == 1) {
        return "1 enregistrement du journal n'a pas pu être lu (coupé, trop long, montant ou date "
               "illisible) : il "
               "compte pour 0 dans ce rapport.";
    }
    return std::to_string(count) +
           " enregistrements du journal n'ont pas pu être lus (coupé, trop long, montant ou date "
           "illisible) : ils "
           "comptent pour 0 dans ce rapport.";
}

}  // namespace vantor
