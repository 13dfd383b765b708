#include "reports/ReportFolder.h"

#include "checkout/Journal.h"
#include "data/CatalogueFiles.h"
#include "data/Infos.h"
#include "data/Serveurs.h"
#include "data/TextFile.h"

namespace vantor {

ReportSettings ReglagesDuDossier(const std::string& dataPath, const Date& today) {
    ReportSettings settings;
    settings.journal = JoinPath(dataPath, kJournalFile);
    settings.dossier = dataPath;
    InfosRecord infos;
    LireInfos(dataPath, infos, WhenMissing::UseDefaults);
    settings.monnaie = infos[Monnaie];
    settings.commerce = LignesCommerce(infos);
    settings.taux1 = infos[TauxSurPlace];
    settings.taux2 = infos[TauxEmporter];
    LireCategories(dataPath, settings.categories, WhenMissing::UseDefaults);
    // The waiter filter of the screen: "Tous", then the waiters in file order.
    settings.serveurs = {"Tous"};
    if (auto names = ReadServeursFile(dataPath, WhenMissing::UseDefaults)) {
        settings.serveurs.insert(settings.serveurs.end(), names->begin(), names->end());
    }
    settings.comptes = LireComptes(dataPath, WhenMissing::UseDefaults);
    settings.today = today;
    return settings;
}

std::vector<std::string> LignesCommerce(const InfosRecord& infos) {
    std::vector<std::string> lines;
    for (InfoField field : {NomCommerce, Adresse, Localite, Telephone}) {
        if (!infos[field].empty()) {
            lines.push_back(infos[field]);
        }
    }
    return lines;
}

}  // namespace vantor
