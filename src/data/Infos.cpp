#include "data/Infos.h"

#include <vector>

#include "data/DataFiles.h"
#include "data/ReceiptPaperFile.h"
#include "data/TextFile.h"

namespace vantor {

void LireInfos(const std::string& dataPath, InfosRecord& infos, Printers& printers) {
    LireInfos(dataPath, infos, WhenMissing::Create);
    printers.SetPaper(LirePapier(dataPath));
    if (!infos[ImprimanteTicket].empty()) {
        printers.Choose(infos[ImprimanteTicket]);
    }
}

void LireInfos(const std::string& dataPath, InfosRecord& infos, WhenMissing missing) {
    std::vector<std::string> lines = ReadOrCreate(JoinPath(dataPath, kInfosFile), {}, missing);
    for (std::size_t i = 0; i < lines.size() && i < infos.size(); ++i) {
        infos[i] = lines[i];
    }
    if (infos[Monnaie].empty()) {
        infos[Monnaie] = "€";
    }
}

void EcrireInfos(const std::string& dataPath, const InfosRecord& infos) {
    WriteLinesAtomic(JoinPath(dataPath, kInfosFile),
                     std::vector<std::string>(infos.begin(), infos.end()));
}

}  // namespace vantor
