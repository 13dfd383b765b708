// The charts' figures of a year against the totals report of the same year,
// computed in the core on the same journal: `chart-figures graphiques DIR` or
// `chart-figures totaux DIR` (a data folder with tickets.csv). Timed side by
// side by charts.sh; each prints its period's takings, which must agree.
#include <iostream>
#include <string>

#include "reports/Graphiques.h"
#include "reports/ReportFolder.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: chart-figures graphiques|totaux DOSSIER\n";
        return 2;
    }
    const std::string mode = argv[1];
    const vantor::Date debut{2026, 1, 1};
    const vantor::Date fin{2026, 12, 31};
    const vantor::ReportSettings settings = vantor::ReglagesDuDossier(argv[2], fin);
    if (mode == "graphiques") {
        const vantor::Graphiques g =
            vantor::CalculerGraphiques(settings, debut, fin, vantor::Comparaison::Aucune);
        std::cout << (g.periode.total.especes + g.periode.total.cartes).Text() << '\n';
        return 0;
    }
    const vantor::Report report = vantor::RapportTotaux(settings, debut, fin, 0);
    for (const std::string& line : report.lines) {
        if (line.starts_with("Total période")) {
            std::cout << line << '\n';
        }
    }
    return 0;
}
