// "Exporter en PDF" and "Exporter pour le comptable" beside the reports of
// the sales screen: each asks where to save, writes, then tells where the
// file went or why it did not.
#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "checkout/Journal.h"
#include "data/Dates.h"
#include "data/TextFile.h"
#include "reports/ExportComptable.h"
#include "reports/Report.h"
#include "reports/ReportDrawers.h"
#include "reports/ReportFolder.h"
#include "reports/frmGraphiques.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr const char* kAucunRapportAffiche =
    "Aucun rapport à l'écran : générez d'abord le rapport à exporter.";
constexpr const char* kTitrePdf = "Exporter en PDF";
constexpr const char* kTitreComptable = "Exporter pour le comptable";
constexpr const char* kFiltrePdf = "PDF (*.pdf)";
// The accounting entries are the ".txt" file; anything else is the spreadsheet.
constexpr const char* kFiltreComptable = "Tableur CSV (*.csv);;Écritures FEC (*.txt)";

// "Totaux 01.12.2026-05.12.2026.pdf", in the user's home folder.
std::string NomPropose(UserFolders& folders, const std::string& nom, const Date& du, const Date& au,
                       const std::string& extension) {
    std::string periode = FormatDate(du);
    if (au != du) {
        periode += "-" + FormatDate(au);
    }
    return JoinPath(folders.Home(), nom + " " + periode + extension);
}

bool FinitPar(const std::string& path, const std::string& ending) {
    if (path.size() < ending.size()) {
        return false;
    }
    return std::equal(ending.rbegin(), ending.rend(), path.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

std::string Lignes(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

}  // namespace

void frmMain::cmdPdf_Click() {
    const Control& list = Get("lstTicket");
    if (!data_.RapportAffiche || list.ListCount() == 0 || rapportTitre_.empty()) {
        platform_.ui.MsgBox(kAucunRapportAffiche, vbExclamation);
        return;
    }
    if (drawers_ == nullptr) {
        platform_.ui.MsgBox(kSansDessins, vbCritical);
        return;
    }
    const std::string path = platform_.ui.SaveFileDialog(
        kTitrePdf, NomPropose(platform_.folders, rapportTitre_, rapportDu_, rapportAu_, ".pdf"),
        kFiltrePdf);
    if (path.empty()) {
        return;
    }
    const PageHeading heading{LignesCommerce(data_.Infos), rapportTitre_,
                              PeriodeDuAu(FormatDate(rapportDu_), FormatDate(rapportAu_))};
    try {
        drawers_->pdf(path, LayOutReport(heading, list.items));
    } catch (const std::runtime_error& failure) {
        platform_.ui.MsgBox(std::string("PDF non écrit : ") + failure.what(), vbCritical);
        return;
    }
    platform_.ui.MsgBox("PDF écrit : " + path, vbInformation);
}

void frmMain::cmdComptable_Click() {
    if (!Autoriser(Action::RapportCompta)) {
        return;
    }
    // The period of the report of the mode shown.
    const bool compta = ScreenMode() == 2;
    const Date debut = Get(compta ? "DTPicker4" : "DTPicker1").date;
    const Date fin = Get(compta ? "DTPicker5" : "DTPicker2").date;
    if (fin < debut) {
        platform_.ui.MsgBox(kFinAvantDebut, vbCritical);
        return;
    }
    if (!FileExists(data_.File(kJournalFile))) {
        platform_.ui.MsgBox(kAucunTicket, vbCritical);
        return;
    }
    const std::string path = platform_.ui.SaveFileDialog(
        kTitreComptable, NomPropose(platform_.folders, "Export comptable", debut, fin, ".csv"),
        kFiltreComptable);
    if (path.empty()) {
        return;
    }
    if (DansDossierDonnees(path, data_.DataPath)) {
        platform_.ui.MsgBox(kExportHorsDossier + path, vbCritical);
        return;
    }
    ExportComptable donnees;
    std::string bytes;
    try {
        donnees = LireExportComptable(data_.DataPath, debut, fin, false);
        bytes = FinitPar(path, ".txt") ? FecComptable(donnees) : CsvComptable(donnees);
    } catch (const FileError& failure) {
        platform_.ui.MsgBox(failure.what(), vbCritical);
        return;
    }
    try {
        WriteFileAtomic(path, bytes);
    } catch (const FileError& failure) {
        platform_.ui.MsgBox(kExportNonEcrit + std::string(failure.what()), vbCritical);
        return;
    }
    platform_.ui.MsgBox(Lignes(CouvertureExport(donnees)) + kExportEcrit + path, vbInformation);
}

void frmMain::cmdGraphiques_Click() {
    if (!Autoriser(Action::RapportTotaux)) {
        return;
    }
    frmGraphiques graphiques(platform_, data_, ReglagesRapport(), drawers_, Get("DTPicker1").date,
                             Get("DTPicker2").date);
    graphiques.Form_Load();
    platform_.ui.ShowModal(graphiques);
}

}  // namespace vantor
