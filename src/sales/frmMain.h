#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/TillData.h"
#include "ledger/Closures.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "sales/Motifs.h"
#include "sales/Tables.h"
#include "sales/Ticket.h"
#include "staff/GuardedActions.h"
#include "staff/StaffSession.h"

namespace vantor {

class Printer;
enum class KeptBy;
enum class PaymentKind;
struct Encaissement;
struct ReceiptExtras;
struct ReceiptSale;
struct RecordedLine;
struct RecordedReceipt;
struct Report;
struct ReportDrawers;
struct ReportSettings;
struct TicketTotals;
struct FarDate;
struct ClosingRun;

// The sales screen: the article keypad, the ticket being built, the tables,
// the checkout and report frames, and the "Fichier" menu. It owns the live
// state of the till for the whole run.
class frmMain : public Form {
public:
    // The tables are the shop's: every screen parks on the same ones.
    frmMain(Platform& platform, TillData& data, Tables& tables);

    // Design size of the window in its normal state (twips).
    static constexpr int kDesignWidth = 14340;
    static constexpr int kDesignHeight = 10635;
    static constexpr int kTablesCollapsed = 460;
    static constexpr int kTablesOpen = 6240;
    static constexpr int kTableCount = Tables::kCount;
    static constexpr Color kTableFree = Rgb(192, 192, 192);
    static constexpr Color kTableOccupied = Rgb(255, 128, 128);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& cancel) override;
    void Form_Unload() override;
    void Form_Idle(int seconds) override;

    // Keypad
    void LireArticles();
    void EcrireArticles();
    void Scroll_Change();
    int PositionDefil() const { return positionDefil_; }

    // Ticket lines and total
    void Command1_Click(int index);
    void Command1_MouseDown(int index, int button);
    void cmdMultiplie_Click(int index);
    void cmdClearQ_Click();
    void cmdDeleteLine_Click();
    void cmdClear_Click();
    void RecalculerTotal();
    // Entry k (k >= 1) is the record of ticket line k - 1: quantity;label;amount;category
    // (sales/TicketRecord.h).
    std::vector<std::string> LignesTicket() const { return ticket_.Records(); }
    double TotalTicket() const { return ticket_.Total(); }
    int Quantite() const { return quantite_; }

    // Checkout, receipt printing, training mode
    void cmdPrint_Click(int index);
    void mnuFormation_Click();

    // Tables
    void cmdTable_Click(int index);
    void cmdTable_MouseDown(int index, int button);
    // The long press's pop-up of an occupied table: its name, or another
    // table to move its ticket to or to merge it with, chosen from the
    // pop-up of the tables that can take it (mnuVersTable).
    void mnuNommerTable_Click();
    void mnuDeplacerTable_Click();
    void mnuReunirTable_Click();
    void mnuVersTable_Click(int index);

    // Kitchen and dessert orders
    void cmdCuisine_Click();
    void ImprimerBon(int kind);

    // Cash movements
    void cmdVantor_Click();
    void cmdUndoVantor_Click();

    // Closures: "Clôture du jour", and the past days closed by themselves
    // (at start-up and at the first checkout of a later day)
    void cmdCloture_Click();
    void CloturerJoursPasses();
    // The Z of the day closure of the day chosen in DTPicker4, shown as a
    // report: printed again or saved as a PDF like the others.
    void cmdZCloture_Click();

    // Backups (admin/frmMainSauvegarde.cpp): to every destination of the
    // settings, away from the screen, after each closure of a day and on
    // demand. lblSauvegarde shows the progress and the result; suivi, when
    // given, is told the same texts (the backup dialog's progress). Each
    // backup done is recorded (Sauvegardes.csv, the event log).
    void Sauvegarder(std::function<void(const std::string&)> suivi = {});
    bool SauvegardeEnCours() const { return sauvegardeEnCours_; }
    // The dialog that followed the backup is gone.
    void NePlusSuivreSauvegarde() { suiviSauvegarde_ = nullptr; }

    // Waiters, modes, VAT, panels
    void LireServeurs();
    void mnuSrv_Click(int index);
    void optPrint_Click(int index);
    void cmbServeur_Click();
    void cmbTVA_Click();
    // cmbTVA shows the VAT mode of the sale (Infos 9): at start-up, and once
    // the settings dialog closed, so that the screen, the receipt and the
    // records agree.
    void AfficherModeTVA();
    void chkQR_Click();
    void cmdOuvre_Click();
    void lblServeur_Click();
    // The on-screen keyboard, when the settings ask for it.
    void AfficherClavier();

    void mnuQuit_Click();

    // The receipts of a day (reports/frmMainTickets.cpp): a recorded sale
    // printed again marked "DUPLICATA" (logged), cancelled whole, or refunded
    // for the quantities chosen (one per line). The corrections are guarded,
    // asked their reason, and true once recorded.
    void mnuTickets_Click();
    void ImprimerDuplicata(const RecordedReceipt& sale);
    // At start-up: the event of a correction that Vantor was stopped before
    // logging, written from what lignes.csv keeps of it.
    void JournaliserCorrectionSansEvenement();
    bool AnnulerTicket(const RecordedReceipt& sale);
    bool RembourserTicket(const RecordedReceipt& sale, const std::vector<int>& quantities);

    // Catalogue: the article pop-up and editor, the categories and the keypad sort
    void mnuModif_Click();
    void mnuDeleteArt_Click();
    void mnuNewArt_Click();
    void mnuNewArticle_Click();
    void mnuCat_Click();

    // Administration: settings, waiters, agenda
    void mnuInfos_Click();
    void mnuAddSrv_Click();
    void mnuEditServ_Click();
    void mnuAgenda_Click();

    // Staff: the sign-in, the lock, the approvals (admin/frmMainStaff.cpp)
    void mnuPersonnel_Click();
    void cmdVerrou_Click();
    // Whether the action may be done now: always without a staff file; with
    // one, by a manager signed in, or with a manager's approval asked for
    // here (the sign-in screen titled "Accord d'un responsable"). The
    // guarded action and the approval are logged.
    bool Autoriser(Action action);
    // Once the journal is open at start-up: the lines of the staff file that
    // let nobody in, or a staff file gone while staff management was on,
    // told and logged.
    void AnnoncerPersonnel();
    const StaffSession& Equipe() const { return equipe_; }

    // Reports and the article file in the CSV application
    void cmdX_Click();
    void cmdJournalVantor_Click(int index);
    // The report on screen as an A4 PDF file, and the accountant's export of
    // the report's period, each where the save dialog says.
    void cmdPdf_Click();
    void cmdComptable_Click();
    // The charts of the period of "Totaux" (reports/frmGraphiques).
    void cmdGraphiques_Click();
    // The toolkit's drawers of PDF files and charts; without them (a build
    // without the window) the exports to PDF and the charts say so.
    void SetDrawers(const ReportDrawers* drawers) { drawers_ = drawers; }
    const ReportDrawers* Drawers() const { return drawers_; }
    void mnuFArticles_Click();
    void OuvrirFichierCSV(const std::string& chemin);

    Platform& platform() { return platform_; }
    TillData& data() { return data_; }

private:
    void CreateMenus();
    void CreateLeftColumn();
    void CreateKeypad();
    void CreateRightColumn();
    void CreateTicketFrames(Control& fraTot);
    void CreateServiceAndCheckout();
    void CreateCashMovementFrame();
    void CreateTables();
    void BindEvents();
    void BindCatalogueEvents();
    void BindAdminEvents();
    void AfficherAgendaDemarrage();

    // The quantity of the next article tap (0: one), shown on its multiplier
    // button until it is used or cleared.
    void ArmMultiplier(int quantity);
    void ClearKeypad();
    // Scrolls the keypad by whole columns until the article's column is in view.
    void ShowKeypadArticle(int index);
    void AddArticle(int category);
    void AddArticleButton(int index, const std::string& line, int left, int top);
    void SetKeypadScrollMaximum(int lastLeft);
    void LayoutRightColumn(int x);
    // The logo and the QR picture of the settings, for the receipts; a picture
    // refused (too large, unreadable) is told when tellRefusals.
    void LoadPictures(bool tellRefusals);
    void SetToday();
    void CheckWaiter(int index);
    void ServeBy(const std::string& waiter);

    void ParkTable(int index);
    // The ticket on screen on the table, named so.
    void PutOnTable(int index, const std::string& name, const std::string& waiter);
    // The ticket on screen on the first free table, named after the waiter
    // it belongs to; false when every table is taken.
    bool ParkTicketOf(const std::string& waiter);
    void TakeBackTable(int index);
    // An occupied table tapped while a ticket is on screen: "Ajouter au
    // ticket de la table ..." and its lines go to the table, or the ticket
    // open is told.
    void AddRoundOrRefuse(int index);
    // cmdTable(index) and lstTable(index) show the table.
    void ShowTable(int index);
    void RenameTable(int index);
    // The pop-up of the tables that can take the long-pressed table's ticket:
    // the free ones to move it, the other occupied ones to merge it.
    void ChooseOtherTable(bool merge);
    void PrintKitchenOrder(const std::string& word);
    // Discounts and offered lines (checkout/Remises.cpp).
    void cmdRemise_Click();
    void mnuRemiseLigne_Click();
    void mnuRemiseTicket_Click();
    void mnuOffert_Click();
    std::optional<std::size_t> LigneARemiser();
    void DonnerRemise(std::size_t after, RemiseSur scope, std::int64_t base, int category,
                      const std::string& what);
    std::string DemanderMotif(Motif motif);
    bool AccorderRemise(Action action, std::int64_t cents);
    std::string MotifEtQui(const std::string& motif) const;
    // Under the order's title: the table the ticket came from (when it did),
    // the waiter and the time.
    std::vector<std::string> KitchenOrderHeading() const;
    bool RefuseCorrection(const std::string& refusal);
    double TauxDuTicket(const RecordedReceipt& sale) const;
    bool EnregistrerCorrection(const RecordedReceipt& sale, const std::vector<RecordedLine>& lines,
                               const std::array<double, 9>& totals, const Encaissement& payment,
                               const std::string& motif);
    void Checkout(int index);
    void SellTicket(PaymentKind kind);
    void RecordAndPrint(ReceiptSale& sale, const std::array<double, 9>& totals, bool print);
    void ReceiptBody();
    TicketTotals TotalsOfTicket() const;
    // "Imprimer" with a report on screen: its lines printed at once; nothing
    // is asked or recorded.
    void PrintReportOnScreen();
    std::optional<Encaissement> AskPayment(PaymentKind kind, const std::string& total);
    void AdvanceTicketNumber(KeptBy keptBy);
    void LogUnusedNumber(std::int32_t numero, const std::string& reason);
    // Opens the drawer wired to the receipt printer; a drawer that cannot be
    // reached is told, and stops nothing.
    void OpenCashDrawer();
    // The receipt of a sale, or with none the report on screen.
    void PrintTicket(const ReceiptSale* sale);
    void PrintReceiptArticles(Printer& printer, const ReceiptSale& sale);
    void PrintReceiptHeader(Printer& printer, const ReceiptSale* sale);
    void PrintReceiptTotals(Printer& printer, const ReceiptSale& sale);
    void PrintPayment(Printer& printer, const ReceiptSale& sale);
    void PrintQrBlock(Printer& printer, const std::string& code);
    bool ShowsIncludedVat(const ReceiptSale& sale) const;
    // What the receipt of the sale prints after its total, that lignes.csv keeps.
    ReceiptExtras ExtrasOf(const ReceiptSale& sale) const;
    void PrintReceiptMark(Printer& printer, const ReceiptSale& sale);
    // In training mode, the mark that a receipt or kitchen order has no
    // value, across the paper's width; nothing otherwise.
    void PrintTrainingMark(Printer& printer, int x);
    bool InTraining() const;
    // Each print made in training mode is logged with what it was.
    void LogTrainingPrint(const std::string& what);
    // No line, no record, no total, no TexteBon; the kitchen list and the mode
    // are kept.
    void EmptyTicket();
    // The ticket emptied, and lstTicket with it (a report's lines too).
    void ClearTicketLines();
    // lstTicket and lblTotal show ticket_. The selected line stays selected,
    // but for the line replaced (merged or deleted), and for none left.
    void ShowTicket(int replaced = -1);
    // lstTicket shows the ticket, each line the one its record was made with
    // (quantity, label field, amount); a report on screen has no record.
    bool RecordsMatchLines() const;
    void ResetSalesScreen();
    bool ClearReportFirst();
    // True, once the user is told, while a ticket is being rung up.
    bool RefuseWhileTicketOpen();
    void TellTicketOpen();
    // The screen mode: the option chosen, 0 "Ticket", 1 "Totaux", 2 "Compta".
    int ScreenMode() const;
    // The checkout buttons of a mode: for a sale "Espèces", "Carte", "Mixte",
    // "Bon cuisine", "Suppr. ligne" and the waiter; in the report modes
    // "Imprimer" alone, which prints the report on screen.
    void SetCheckoutButtons(int mode);
    // The article of a header or of a price that is not a number: its price
    // and text asked for.
    void AddFreePriceLine(const Control& button, int quantity, int category);
    ReportSettings ReglagesRapport();
    // The report's lines in lstTicket, its name and period kept for its PDF.
    bool ShowReport(const Report& report, const std::string& titre, const Date& debut,
                    const Date& fin);
    // A record dated in a closed day, month or year is refused with a
    // message (the clock went back), as one dated on a far date that was not
    // confirmed; what is "Vente" or "Mouvement".
    bool JourClos(const Date& date, const std::string& what);
    // Closes the past days (and today with aujourdhui); nothing when it
    // failed, which was told.
    std::optional<ClosingRun> Cloturer(bool aujourdhui);
    // "Des tables sont encore ouvertes : ..." and the lines after it, before
    // the question of "Clôture du jour"; empty while every table is free.
    std::string TablesOuvertes() const;
    // The question before a closing on a date far after the last record: the
    // one place where its answer is asked for.
    bool DateLointaineConfirmee(const FarDate& far);
    // The staff file read again, and the screen made to show it: the
    // "Verrouiller" button, the waiters of the "Employés" menu.
    void ChargerPersonnel();
    // The sign-in screen until someone signs in (true) or the till quits.
    bool DemanderConnexion();
    // The person becomes the current waiter; a ticket on screen that is
    // another's goes onto a table first (false, told, when none is free).
    bool Connecter(const std::string& nom);
    void Verrouiller(const std::string& why);
    // Leaving the till from its sign-in screen: "" when it quits, else why not.
    std::string QuitterDepuisConnexion();
    // Another waiter chosen in "Employés" signs in with their own PIN.
    void ChangerServeur(int index);
    // Logs a staff event at the clock's time; a failure to write it stops nothing.
    void TracePersonnel(const char* type, const std::string& detail);
    // The lines dropped from the ticket, in the event log while staff
    // management is on: "Anne : 2 lignes, 7".
    void TraceLignes(const char* type, std::size_t count, double amount);

    // What lblSauvegarde and the backup's follower show; red for a failure.
    void AfficherSauvegarde(const std::string& texte, bool echec = false);

    // The yearly closures made propose an archive of their year.
    void ProposerArchives(const std::vector<Closure>& made);

    Platform& platform_;
    TillData& data_;
    // The shop's tables; cmdTable and lstTable are their view.
    Tables& tables_;
    int positionDefil_ = 0;
    // The ticket being built; lstTicket and lblTotal are its view.
    Ticket ticket_;
    int quantite_ = 0;
    std::string appliCSV_;  // the CSV application, once found
    // The article of the last right press; 0 while adding.
    int articleChoisi_ = 0;
    // The table of the last long press, and whether the table chosen next
    // takes its ticket by a merge (or else a move).
    int tableChoisie_ = 0;
    bool reunirTable_ = false;
    // The agenda shown at the first activation, while it lives.
    std::unique_ptr<Form> agendaDemarrage_;
    // The day whose past days were last closed.
    Date clotureFaiteLe_{0, 0, 0};
    // What the closures close, read again after each closing.
    std::optional<ClosedPeriods> clotures_;
    // The date that the last closing asked about and that was not confirmed.
    std::optional<Date> dateNonConfirmee_;
    // Who is at the till; inactive without a staff file.
    StaffSession equipe_;
    // The minutes without a touch after which the till locks (0: never).
    int delaiVerrou_ = 0;
    // The sign-in of the first activation was asked.
    bool connexionDemandee_ = false;
    // The last person signed in: the ticket on screen is theirs.
    std::string dernierConnecte_;
    // The name and period of the report on screen, which head its PDF pages.
    std::string rapportTitre_;
    Date rapportDu_;
    Date rapportAu_;
    const ReportDrawers* drawers_ = nullptr;
    // Who let the last guarded action through: the manager signed in, or
    // the one who approved it ("" without staff).
    std::string autorisePar_;
    // A backup runs away from the screen; the dialog that asked for it follows it.
    bool sauvegardeEnCours_ = false;
    std::function<void(const std::string&)> suiviSauvegarde_;
};

}  // namespace vantor
