// The report buttons of the sales screen: "Générer" in the "Totaux" frame,
// "Journal caisse" and "Résumé comptable" in the "Compta" frame.
#include <cassert>
#include <optional>

#include "checkout/Journal.h"
#include "checkout/ReceiptLines.h"
#include "data/TextFile.h"
#include "reports/Clotures.h"
#include "reports/Report.h"
#include "reports/ReportFolder.h"
#include "reports/ReportPdf.h"
#include "sales/frmMain.h"

namespace vantor {

ReportSettings frmMain::ReglagesRapport() {
    ReportSettings settings;
    settings.journal = data_.File(kJournalFile);
    settings.dossier = data_.DataPath;
    settings.commerce = LignesCommerce(data_.Infos);
    settings.monnaie = data_.Infos[Monnaie];
    settings.taux1 = data_.Infos[TauxSurPlace];
    settings.taux2 = data_.Infos[TauxEmporter];
    settings.categories = data_.Categories;
    settings.serveurs = Get("cmbServeur").items;
    settings.comptes = Get("cmbCatCompt").items;
    settings.today = platform_.clock.Now().date;
    settings.formation = Get("mnuFormation").checked;
    return settings;
}

// The report replaces what lstTicket held; without a journal the list stays
// as it was. Returns whether a report is shown.
bool frmMain::ShowReport(const Report& report, const std::string& titre, const Date& debut,
                         const Date& fin) {
    if (report.noJournal) {
        platform_.ui.MsgBox(kAucunTicket, vbCritical);
        return false;
    }
    EmptyTicket();
    data_.RapportAffiche = true;
    rapportTitre_ = titre;
    rapportDu_ = debut;
    rapportAu_ = fin;
    Control& list = Get("lstTicket");
    list.visible = true;
    for (const std::string& line : report.lines) {
        list.AddItem(line);
    }
    assert(RecordsMatchLines());
    if (report.unreadable > 0) {
        platform_.ui.MsgBox(AvisIllisibles(report.unreadable), vbInformation);
    }
    return true;
}

namespace {

// A report of the journal, or none when it cannot be read (told as the
// system tells it).
template <typename Make>
std::optional<Report> Produce(Ui& ui, Make make) {
    try {
        return make();
    } catch (const FileError& error) {
        ui.MsgBox(error.what(), vbCritical);
        return std::nullopt;
    }
}

}  // namespace

void frmMain::cmdX_Click() {
    const Date debut = Get("DTPicker1").date;
    const Date fin = Get("DTPicker2").date;
    if (fin < debut) {
        platform_.ui.MsgBox(kFinAvantDebut, vbCritical);
        return;
    }
    // A waiter sees the day's total of their own sales; any other totals are a manager's.
    const Date today = platform_.clock.Now().date;
    const bool ownDay = debut == today && fin == today && Get("chkDetail").value == 0 &&
                        Get("cmbServeur").listIndex > 0 &&
                        Get("cmbServeur").SelectedText() == data_.Serveur;
    if (!ownDay && !Autoriser(Action::RapportTotaux)) {
        return;
    }
    const std::optional<Report> report = Produce(platform_.ui, [&] {
        return GenererTotaux(ReglagesRapport(), debut, fin, Get("cmbServeur").listIndex,
                             Get("chkDetail").value == 1);
    });
    if (report) {
        const Control& serveur = Get("cmbServeur");
        ShowReport(*report,
                   TitreTotaux(serveur.listIndex > 0 ? serveur.SelectedText() : "",
                               Get("chkDetail").value == 1),
                   debut, fin);
    }
    SetCheckoutButtons(ScreenMode());
}

void frmMain::PrintReportOnScreen() {
    ReceiptBody();
    PrintTicket(nullptr);
    ResetSalesScreen();
}

void frmMain::cmdJournalVantor_Click(int index) {
    if (!Autoriser(Action::RapportCompta)) {
        return;
    }
    const Date debut = Get("DTPicker4").date;
    const Date fin = Get("DTPicker5").date;
    if (fin < debut) {
        platform_.ui.MsgBox(kFinAvantDebut, vbCritical);
        return;
    }
    const std::optional<Report> report = Produce(
        platform_.ui, [&] { return JournalVantor(ReglagesRapport(), index == 1, debut, fin); });
    if (report) {
        ShowReport(*report, TitreJournal(index == 1), debut, fin);
    }
}

void frmMain::cmdZCloture_Click() {
    if (!Autoriser(Action::RapportCompta)) {
        return;
    }
    const Date jour = Get("DTPicker4").date;
    std::optional<Report> z;
    try {
        z = RapportZDuJour(data_.DataPath, ReglagesRapport(), jour,
                           ReceiptWidth(platform_.printers.Paper()));
    } catch (const FileError& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);
        return;
    }
    if (!z) {
        platform_.ui.MsgBox(SansClotureDuJour(jour), vbExclamation);
        return;
    }
    ShowReport(*z, kTitreRapportZ, jour, jour);
}

}  // namespace vantor
