// The journal (tickets.csv) as the reports read it. Read in one part and in
// small chunks by two threads, it must add up the same; the
// reports made of it must come out whatever its bytes.
#include "FuzzInput.h"
#include "reports/JournalScan.h"
#include "reports/Report.h"

using namespace vantor;

namespace {

ScanRequest EverythingRequest() {
    ScanRequest request;
    request.debut = 0;
    request.fin = 99991231;
    request.waiterSlots = {"Anne", "Paul+Marie"};
    request.solde = true;
    request.movements = true;
    return request;
}

ReportSettings Settings(const std::string& journal) {
    ReportSettings settings;
    settings.journal = journal;
    settings.monnaie = "€";
    settings.taux1 = "8.1";
    settings.taux2 = "2.6";
    settings.categories = {"Boisson", "Minérale", "Bière",   "Alcool",
                           "Vin",     "Cuisine",  "Dessert", "Autre"};
    settings.serveurs = {"Tous", "Anne", "Paul+Marie"};
    settings.comptes = {"Achats", "Salaires", "Autre"};
    settings.today = {2026, 12, 6};
    settings.parts = 2;
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteDataFile("tickets.csv", fuzz::Bytes(data, size));
    const ScanRequest request = EverythingRequest();
    const JournalSums whole = ScanJournalFile(path, request, 1);
    fuzz::Require(ScanJournalFile(path, request, 2, 16) == whole,
                  "the journal read in chunks by two threads adds up differently");

    const ReportSettings settings = Settings(path);
    const Date debut{1900, 1, 1};
    const Date fin{2100, 12, 31};
    GenererTotaux(settings, debut, fin, 0, true);
    GenererTotaux(settings, debut, fin, 2, false);
    JournalVantor(settings, false, debut, fin);
    JournalVantor(settings, true, debut, fin);
    SoldeVantor(path, 1);
    return 0;
}
