#include "app/VerifyCommand.h"

#include "data/TextFile.h"
#include "ledger/Verify.h"
#include "startup/Startup.h"

namespace vantor {

namespace {

void PrintCheck(const LedgerCheck& check, std::ostream& out) {
    out << CheckSummary(check) << '\n';
    if (check.intact && check.interrupted) {
        out << "Écriture interrompue : " << InterruptedWhat(*check.interrupted)
            << " (écartée au prochain démarrage de Vantor)\n";
    }
}

}  // namespace

int RunVerifyCommand(const std::vector<std::string>& words, Settings& settings,
                     std::ostream& out, std::ostream& err) {
    StartOptions options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--data-dir" && i + 1 < words.size()) {
            options.dataDir = words[++i];
            continue;
        }
        err << (words[i] == "--data-dir" ? "valeur manquante après --data-dir"
                                         : "argument inconnu : " + words[i])
            << "\nUtilisation :\n"
            << kVerifyUsage;
        return 2;
    }
    const std::string folder = options.dataDir ? *options.dataDir : DataFolderOf(settings, options);
    if (!DirectoryExists(folder)) {
        err << "Dossier de données introuvable : " << folder << '\n';
        return 2;
    }
    try {
        const LedgerCheck check = VerifyLedger(folder);
        PrintCheck(check, out);
        return check.intact ? 0 : 1;
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return 2;
    }
}

}  // namespace vantor
