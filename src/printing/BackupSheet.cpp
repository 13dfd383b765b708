#include "printing/BackupSheet.h"

#include "data/Dates.h"
#include "platform/Printer.h"

namespace vantor {

std::vector<std::string> BackupSheetLines(const BackupSheet& sheet) {
    std::vector<std::string> lines = {"Fiche de sauvegarde"};
    if (!sheet.shop.empty()) {
        lines.push_back(sheet.shop);
    }
    lines.push_back("Imprimée le " + FormatDate(sheet.printed.date) + " à " +
                    FormatTime(sheet.printed.time));
    lines.emplace_back();
    lines.emplace_back(sheet.folders.empty() ? "Dossiers de sauvegarde : aucun"
                                             : "Dossiers de sauvegarde :");
    for (const std::string& folder : sheet.folders) {
        lines.push_back("  " + folder);
    }
    lines.emplace_back();
    if (sheet.repository.empty()) {
        lines.emplace_back("Dépôt hors site : aucun");
    } else {
        lines.insert(lines.end(), {"Dépôt hors site (restic) :", "  " + sheet.repository,
                                   "Mot de passe :", "  " + sheet.password, "",
                                   "Sans ce mot de passe, le dépôt", "ne peut pas être restauré."});
    }
    lines.insert(lines.end(), {"Gardez cette fiche en lieu sûr,", "hors du café.", "",
                               "Pour restaurer sur un autre ordinateur :",
                               "vantor restaurer --depuis DESTINATION", "  --data-dir DOSSIER"});
    return lines;
}

std::string BackupSheetCode(const BackupSheet& sheet) {
    // The address as `vantor restaurer --depuis` takes it.
    const std::string address =
        sheet.repository.starts_with("restic:") ? sheet.repository : "restic:" + sheet.repository;
    return address + "\nRESTIC_PASSWORD=" + sheet.password;
}

void PrintBackupSheet(Printers& printers, const BackupSheet& sheet) {
    Printer page(printers);
    page.SetFontBold(true);
    bool title = true;
    for (const std::string& line : BackupSheetLines(sheet)) {
        page.Print(line);
        if (title) {
            page.SetFontBold(false);
            title = false;
        }
    }
    if (!sheet.repository.empty()) {
        page.PrintQrCode(BackupSheetCode(sheet), 0, page.CurrentY(), 2500);
    }
    page.EndDoc();
}

}  // namespace vantor
