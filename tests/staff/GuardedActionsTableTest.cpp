// Each guarded action, run as the program, in five cases: without a staff
// file (done as ever, no event), a "Serveur" signed in who asks nobody
// (refused), a "Serveur" with a manager's right PIN (done, the approval and
// the action logged), with a wrong one (refused, the wrong PIN logged), and
// a "Responsable" signed in (done, the action logged).
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "data/TextFile.h"
#include "ledger/Verify.h"
#include "staff/GuardedActions.h"
#include "support/HeadlessTill.h"
#include "support/StaffFile.h"

namespace vantor::test {
namespace {

// How a guarded action is reached from the sales screen, what the script
// does once it is let through, what it reads of the screen at the end, and
// what shows that the action was done.
struct Scenario {
    std::string reach;
    std::string through;
    std::string look;
    std::function<bool(const TillRun& run, const HeadlessTill& till)> done;
};

bool Says(const TillRun& run, const std::string& text) {
    return run.out.find(text) != std::string::npos;
}

std::function<bool(const TillRun&, const HeadlessTill&)> Opens(const std::string& line) {
    return [line](const TillRun& run, const HeadlessTill&) { return Says(run, line); };
}

const std::string kSale = "05.12.2026;9:00:00;Anne;3.5;0;Esp;1;0.35\r\n";

// One scenario for each row of the table, so that a new row without one fails.
const std::string kReportLines = "show lstTicket.ListCount\n";
const std::string kTicketLines = kReportLines;

bool ShowsAReport(const TillRun& run, const HeadlessTill&) {
    return !Says(run, "show lstTicket.ListCount 0");
}

// A coffee paid, then the receipts of the day; its correction is recorded.
const std::string kPaidSale = "click Command1 2\nclick cmdPrint 0\nanswer no\nclick mnuTickets\n";

bool RecordsTakenBack(const TillRun&, const HeadlessTill& till) {
    return till.Read("tickets.csv").find(";-3.5;0;Esp;") != std::string::npos;
}

const std::map<Action, Scenario> kScenarios = {
    {Action::ModifierArticle,
     {"rclick Command1 2\nclick mnuModif\n", "click cmdUndo\n", "",
      Opens("open frmColors \"Modifier un article\"")}},
    {Action::AjouterArticle,
     {"click mnuNewArticle\n", "click cmdUndo\n", "",
      Opens("open frmColors \"Ajouter un article\"")}},
    {Action::SupprimerArticle,
     {"rclick Command1 2\nclick mnuDeleteArt\n", "", "",
      [](const TillRun&, const HeadlessTill& till) {
          return till.Read("Articles.csv").find("Caf\xE9;") == std::string::npos;
      }}},
    {Action::Categories, {"click mnuCat\n", "click cmdUndo\n", "", Opens("open frmCat")}},
    {Action::Parametres, {"click mnuInfos\n", "click cmdUndo\n", "", Opens("open frmInfos")}},
    {Action::Personnel,
     {"click mnuPersonnel\n", "click cmdFermer\n", "", Opens("open frmPersonnel")}},
    {Action::ModeFormation,
     {"click mnuFormation\n", "", "show mnuFormation.Checked\n",
      Opens("show mnuFormation.Checked True")}},
    {Action::MouvementCaisse,
     {"click optPrint 2\nchoose cmbVantor 1\ntype txtVantor \"20\"\nchoose cmbCatCompt 0\n"
      "click cmdVantor\n",
      "", "",
      [](const TillRun&, const HeadlessTill& till) {
          return till.Read("tickets.csv").find(";Sort;") != std::string::npos;
      }}},
    {Action::RapportTotaux, {"click optPrint 1\nclick cmdX\n", "", kReportLines, ShowsAReport}},
    {Action::RapportCompta,
     {"click optPrint 2\nclick cmdJournalVantor 1\n", "", kReportLines, ShowsAReport}},
    {Action::Cloture,
     {"click optPrint 2\nclick cmdCloture\nanswer yes\n", "", "",
      [](const TillRun&, const HeadlessTill& till) {
          return till.Read("Clotures.csv").find("Jour;05.12.2026;05.12.2026") != std::string::npos;
      }}},
    {Action::EditerFichier,
     {"click mnuFArticles\n", "answer no\n", "", Opens("Le programme va s'arrêter")}},
    {Action::QuitterTablesOuvertes,
     {"click Command1 2\nclick cmdTable 1\nanswer \"T1\"\nclose\nanswer yes\n", "", "",
      Opens("close frmMain")}},
    // A waiter's limit is 0 until a manager sets one: any discount is asked.
    {Action::Remise,
     {"click Command1 2\nchoose lstTicket 0\nclick cmdRemise\nclick mnuRemiseLigne\n"
      "answer \"10 %\"\nanswer \"Habitué\"\n",
      "", kTicketLines, Opens("show lstTicket.ListCount 2")}},
    {Action::Offert,
     {"click Command1 2\nchoose lstTicket 0\nclick cmdRemise\nclick mnuOffert\n"
      "answer \"Anniversaire\"\n",
      "", kTicketLines, Opens("show lstTicket.ListCount 2")}},
    {Action::AnnulerTicket,
     {kPaidSale + "choose lstTickets 0\nclick cmdAnnulerTicket\nanswer \"Erreur\"\n", "answer no\n",
      "click cmdFermer\n", RecordsTakenBack}},
    {Action::Rembourser,
     {kPaidSale +
          "choose lstTickets 0\nchoose lstLignes 0\nclick cmdRembourser\nanswer \"Renversé\"\n",
      "answer yes\nanswer no\n", "click cmdFermer\n", RecordsTakenBack}},
};

enum class Case { SansPersonnel, Serveur, AccordJuste, AccordFaux, Responsable };

const struct {
    Case kase;
    const char* name;
    bool done;
} kCases[] = {
    {Case::SansPersonnel, "sans fichier du personnel", true},
    {Case::Serveur, "serveur seul", false},
    {Case::AccordJuste, "serveur, accord juste", true},
    {Case::AccordFaux, "serveur, accord faux", false},
    {Case::Responsable, "responsable", true},
};

std::string SignIn(Case kase) {
    switch (kase) {
        case Case::SansPersonnel:
            return "";
        case Case::Responsable:
            return "choose lstNoms 0\ntype txtCode \"1111\"\nclick cmdOK\n";
        default:
            return "choose lstNoms 1\ntype txtCode \"2222\"\nclick cmdOK\n";
    }
}

// What the approval screen, when it comes, is answered.
std::string Approval(Case kase) {
    switch (kase) {
        case Case::Serveur:
            return "click cmdAnnuler\n";
        case Case::AccordJuste:
            return "choose lstNoms 0\ntype txtCode \"1111\"\nclick cmdOK\n";
        case Case::AccordFaux:
            return "choose lstNoms 0\ntype txtCode \"2222\"\nclick cmdOK\nshow lblMessage\n"
                   "click cmdAnnuler\n";
        default:
            return "";
    }
}

// The event log's types and details after the start, but for the start's
// and the stop's own, and those the actions write themselves.
std::vector<std::string> StaffEvents(const HeadlessTill& till) {
    std::vector<std::string> events;
    bool started = false;
    for (const std::string& line : ReadLines(till / "Evenements.csv")) {
        const std::string event = line.substr(line.find(';', line.find(';') + 1) + 1);
        if (event.starts_with("Démarrage;")) {
            started = true;
        } else if (started && !event.starts_with("Arrêt;") && !event.starts_with("Clôture;") &&
                   !event.starts_with("Mode formation") && !event.starts_with("Remise;") &&
                   !event.starts_with("Offert;") && !event.starts_with("Annulation;") &&
                   !event.starts_with("Remboursement;")) {
            events.push_back(event);
        }
    }
    return events;
}

// A staff file put in the folder by hand is noticed at the start.
const std::string kNoticed = "Gestion du personnel activée;Personnel.csv présent au démarrage";

std::vector<std::string> ExpectedEvents(Case kase, const std::string& libelle) {
    switch (kase) {
        case Case::SansPersonnel:
            return {};
        case Case::Serveur:
            return {kNoticed, "Connexion;Anne (Serveur)", "Accord refusé;" + libelle + " : Anne"};
        case Case::AccordJuste:
            return {kNoticed, "Connexion;Anne (Serveur)", "Accord;" + libelle + " : Marc pour Anne",
                    "Action protégée;" + libelle + " : Anne, accord de Marc"};
        case Case::AccordFaux:
            return {kNoticed, "Connexion;Anne (Serveur)",
                    "Code incorrect;Marc (accord : " + libelle + ")",
                    "Accord refusé;" + libelle + " : Anne"};
        case Case::Responsable:
            return {kNoticed, "Connexion;Marc (Responsable)",
                    "Action protégée;" + libelle + " : Marc"};
    }
    return {};
}

TEST(GuardedActionsTable, EachActionIsDoneOrRefusedAsTheRoleAndTheApprovalSay) {
    const std::string staff =
        StaffFile({StaffLine("Marc", "Responsable", "1111"), StaffLine("Anne", "Serveur", "2222")});
    for (const GuardedAction& guarded : GuardedActions()) {
        SCOPED_TRACE(guarded.libelle);
        const auto found = kScenarios.find(guarded.action);
        ASSERT_NE(found, kScenarios.end()) << "no scenario for this guarded action";
        const Scenario& scenario = found->second;
        for (const auto& row : kCases) {
            SCOPED_TRACE(row.name);
            HeadlessTill till;
            till.Write("tickets.csv", kSale);
            if (row.kase != Case::SansPersonnel) {
                till.Write("Personnel.csv", staff);
            }
            const bool asks = row.kase == Case::Serveur || row.kase == Case::AccordJuste ||
                              row.kase == Case::AccordFaux;
            const bool formation = guarded.action == Action::ModeFormation;
            const std::string script =
                "clock 05.12.2026 12:00:00\n" + SignIn(row.kase) + scenario.reach +
                (asks ? Approval(row.kase) : "") +
                (row.kase == Case::SansPersonnel && formation ? "answer \"391205\"\n" : "") +
                (row.done ? scenario.through : "") + scenario.look;
            const TillRun run = till.Run(script);
            EXPECT_EQ(scenario.done(run, till), row.done) << run.out;
            EXPECT_EQ(Says(run, "open frmConnexion \"Accord d'un responsable\""), asks);
            if (row.kase == Case::AccordFaux) {
                EXPECT_TRUE(Says(run, "show lblMessage.Caption \"Code incorrect\""));
            }
            std::vector<std::string> events = ExpectedEvents(row.kase, guarded.libelle);
            // Whoever is signed in when the till quits is signed out.
            if (guarded.action == Action::QuitterTablesOuvertes && row.done &&
                row.kase != Case::SansPersonnel) {
                events.push_back(row.kase == Case::Responsable ? "Déconnexion;Marc"
                                                               : "Déconnexion;Anne");
            }
            EXPECT_EQ(StaffEvents(till), events);
            EXPECT_TRUE(VerifyLedger(till.Folder()).intact);
        }
    }
}

}  // namespace
}  // namespace vantor::test
