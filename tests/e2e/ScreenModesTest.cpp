// The screen's mode and its ticket list never disagree. Each row taps its way
// through the modes, the report buttons, "Effacer tout", articles, tables,
// printing, the three payments, a kitchen order, a mode refused while a
// ticket is open, a cash movement and "Clôture du jour" on a folder with a sale;
// after every step the report flag is what the mode says, the checkout
// buttons and the frames are those of the mode, a ticket's lines each have their record and
// a report none, and at the end the journal holds the row's sales only: a
// report is never recorded as a sale, and no list is read out of step.
#include <gtest/gtest.h>

#include "support/HeadlessTill.h"

namespace vantor::test {
namespace {

struct Step {
    const char* name;
    const char* script;
};

const Step kTicket{"Ticket", "click optPrint 0\n"};
const Step kTotaux{"Totaux", "click optPrint 1\n"};
const Step kCompta{"Compta", "click optPrint 2\n"};
const Step kTotauxRefused{"Totaux, ticket en cours", "click optPrint 1\nanswer ok\n"};
const Step kComptaRefused{"Compta, ticket en cours", "click optPrint 2\nanswer ok\n"};
const Step kGenerer{"Générer", "click cmdX\n"};
const Step kJournal{"Journal caisse", "click cmdJournalVantor 0\n"};
const Step kResume{"Résumé comptable", "click cmdJournalVantor 1\n"};
const Step kEffacer{"Effacer tout", "click cmdClear\n"};
const Step kImprimer{"Imprimer", "click cmdPrint 0\n"};
const Step kEspeces{"Espèces", "click cmdPrint 0\nanswer no\n"};
const Step kCarte{"Carte", "click cmdPrint 1\nanswer no\n"};
const Step kMixte{"Mixte, moitié en espèces",
                  "click cmdPrint 2\nanswer no\ntype txtEsp \"3.5\"\nclick cmdComplete\n"
                  "click cmdOK\n"};
const Step kBonCuisine{"Bon cuisine", "click cmdCuisine\nclick mnuBonCuisine\nanswer ok\n"};
const Step kCafe{"Café", "click Command1 2\n"};
const Step kCafeOverReport{"Café, rapport effacé", "click Command1 2\nanswer yes\n"};
const Step kCafeReportKept{"Café, rapport gardé", "click Command1 2\nanswer no\n"};
const Step kParkTable{"table 1 occupée", "click cmdTable 1\nanswer \"T1\"\n"};
const Step kTableReportKept{"table 1, rapport gardé", "click cmdTable 1\nanswer no\n"};
const Step kEmptyTableOverReport{"table 1 libre, rapport effacé",
                                 "click cmdTable 1\nanswer yes\nanswer ok\n"};
const Step kTakeBackOverReport{"table 1 reprise, rapport effacé",
                               "click cmdTable 1\nanswer yes\nanswer yes\n"};
const Step kDeleteLine{"Suppr. ligne", "choose lstTicket 0\nclick cmdDeleteLine\n"};
const Step kMovement{"mouvement",
                     "choose cmbVantor 1\ntype txtVantor \"20\"\nchoose cmbCatCompt 0\n"
                     "click cmdVantor\n"};
const Step kCloture{"Clôture du jour", "click cmdCloture\nanswer yes\n"};

struct Row {
    const char* name;
    std::vector<Step> steps;
    int records;  // journal lines recorded after the first sale's
};

const Row kRows[] = {
    {"TotalsClearedThenGenerated", {kTotaux, kEffacer, kGenerer, kImprimer}, 0},
    {"TotalsPrintedThenSoldAgain", {kTotaux, kGenerer, kImprimer, kCafe, kEspeces}, 1},
    {"TotalsPrintedTwice", {kTotaux, kGenerer, kImprimer, kTotaux, kGenerer, kImprimer}, 0},
    {"TotalsGeneratedClearedGenerated", {kTotaux, kGenerer, kEffacer, kGenerer, kImprimer}, 0},
    {"EmptyTotalsPrinted", {kTotaux, kEffacer, kImprimer, kEspeces}, 0},
    {"CashJournalPrinted", {kCompta, kJournal, kImprimer, kCompta, kResume, kImprimer}, 0},
    {"SummaryThenTotals", {kCompta, kResume, kTotaux, kGenerer, kImprimer}, 0},
    {"TotalsThenCashJournal", {kTotaux, kGenerer, kCompta, kJournal, kImprimer}, 0},
    {"ReportLeftForTheTicket", {kTotaux, kGenerer, kTicket, kCafe, kCarte}, 1},
    {"ArticleOverAReport", {kTotaux, kGenerer, kCafeOverReport, kCafe, kEspeces}, 1},
    {"ArticleRefusedOverAReport", {kTotaux, kGenerer, kCafeReportKept, kImprimer}, 0},
    {"ArticleOverAClearedReport", {kTotaux, kEffacer, kCafeOverReport, kEspeces}, 1},
    {"ArticleOverAnEmptyCashJournal", {kCompta, kCafeOverReport, kEspeces}, 1},
    {"TableRefusedOverAReport", {kTotaux, kGenerer, kTableReportKept, kImprimer}, 0},
    {"FreeTableOverAReport", {kTotaux, kGenerer, kEmptyTableOverReport, kEspeces}, 0},
    {"ParkedTicketTakenBackOverAReport",
     {kCafe, kParkTable, kTotaux, kGenerer, kTakeBackOverReport, kEspeces},
     1},
    {"ParkedThenNewTicket", {kCafe, kCafe, kParkTable, kCafe, kDeleteLine, kCafe, kEspeces}, 1},
    {"MovementThenCashJournal", {kCompta, kMovement, kCompta, kJournal, kImprimer}, 1},
    {"ClosureThenCashJournal", {kCompta, kCloture, kCompta, kJournal, kImprimer}, 0},
    {"ModesRefusedWhileATicketIsOpen", {kCafe, kTotauxRefused, kComptaRefused, kEspeces}, 1},
    {"MixedSaleThenCard", {kCafe, kCafe, kMixte, kCafe, kCarte}, 3},
    {"KitchenOrderThenTotals", {kCafe, kBonCuisine, kEspeces, kTotaux, kGenerer, kImprimer}, 1},
    {"TotalsGeneratedInCompta",
     {kCompta, kGenerer, kImprimer, kCompta, kGenerer, kJournal, kImprimer},
     0},
};

// What each step leaves on screen, read after it.
const std::string kProbe =
    "show optPrint 0\nshow RapportAffiche\nshow cmdPrint 0\nshow cmdPrint.Visible 1\n"
    "show cmdPrint.Visible 2\nshow cmdCuisine.Visible\nshow lstTicket.ListCount\n"
    "show LignesTicket\nshow cmdPrint 1\nshow cmdPrint 2\nshow cmdDeleteLine.Visible\n"
    "show lblServeur.Visible\nshow optPrint 1\nshow fraTicket.Visible\nshow fraTotaux.Visible\n"
    "show fraVantor.Visible\nshow fraService.Visible\nshow txtBon.Visible\n"
    "show cmdCloture.Visible\nshow cmdZCloture.Visible\n";
constexpr std::size_t kProbeLines = 20;

// The frames each mode shows; "Compta" leaves fraTicket as it was.
struct Frames {
    const char* fraTicket;
    const char* fraTotaux;
    const char* fraVantor;
    const char* fraService;
    const char* txtBon;
    const char* cmdCloture;
};
constexpr Frames kTicketFrames{"True", "False", "False", "True", "True", "False"};
constexpr Frames kTotauxFrames{"False", "True", "False", "True", "False", "False"};
constexpr Frames kComptaFrames{nullptr, "True", "True", "False", "False", "True"};

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find('\n', start);
        lines.push_back(bytes.substr(start, end - start));
        start = end == std::string::npos ? bytes.size() : end + 1;
    }
    return lines;
}

// The number at the end of a `show` line.
int Count(const std::string& shown) {
    return std::stoi(shown.substr(shown.rfind(' ') + 1));
}

class ScreenModes : public ::testing::TestWithParam<Row> {};

TEST_P(ScreenModes, AgreeWithTheTicketListAfterEveryStep) {
    const Row& row = GetParam();
    HeadlessTill till;
    // A sale of the day first, so that every report has lines.
    std::string script =
        "clock 05.12.2026 12:04:09\nclick Command1 2\nclick cmdPrint 0\nanswer no\n";
    for (const Step& step : row.steps) {
        script += step.script + kProbe;
    }
    const TillRun run = till.Run(script);
    const std::vector<std::string> shows = Shows(run);
    ASSERT_EQ(shows.size(), row.steps.size() * kProbeLines) << run.out;
    for (std::size_t i = 0; i < row.steps.size(); ++i) {
        SCOPED_TRACE(std::to_string(i + 1) + ": " + row.steps[i].name);
        const auto shown = shows.begin() + static_cast<std::ptrdiff_t>(i * kProbeLines);
        const bool ticketMode = shown[0] == "show optPrint(0).Value True";
        const std::string flag = ticketMode ? "False" : "True";
        const std::string sale = ticketMode ? "True" : "False";
        EXPECT_EQ(shown[1], "show RapportAffiche " + flag);
        EXPECT_EQ(shown[2], std::string("show cmdPrint(0).Caption ") +
                                (ticketMode ? "\"Espèces\"" : "\"Imprimer\""));
        EXPECT_EQ(shown[3], "show cmdPrint(1).Visible " + sale);
        EXPECT_EQ(shown[4], "show cmdPrint(2).Visible " + sale);
        EXPECT_EQ(shown[5], "show cmdCuisine.Visible " + sale);
        // Entry 0 of the records is always there; then one per ticket line.
        EXPECT_EQ(Count(shown[7]), ticketMode ? Count(shown[6]) + 1 : 1) << shown[7];
        EXPECT_EQ(shown[8], "show cmdPrint(1).Caption \"Carte\"");
        EXPECT_EQ(shown[9], "show cmdPrint(2).Caption \"Mixte\"");
        EXPECT_EQ(shown[10], "show cmdDeleteLine.Visible " + sale);
        EXPECT_EQ(shown[11], "show lblServeur.Visible " + sale);
        const bool totauxMode = shown[12] == "show optPrint(1).Value True";
        const Frames& frames = ticketMode   ? kTicketFrames
                               : totauxMode ? kTotauxFrames
                                            : kComptaFrames;
        if (frames.fraTicket != nullptr) {
            EXPECT_EQ(shown[13], std::string("show fraTicket.Visible ") + frames.fraTicket);
        }
        EXPECT_EQ(shown[14], std::string("show fraTotaux.Visible ") + frames.fraTotaux);
        EXPECT_EQ(shown[15], std::string("show fraVantor.Visible ") + frames.fraVantor);
        EXPECT_EQ(shown[16], std::string("show fraService.Visible ") + frames.fraService);
        EXPECT_EQ(shown[17], std::string("show txtBon.Visible ") + frames.txtBon);
        EXPECT_EQ(shown[18], std::string("show cmdCloture.Visible ") + frames.cmdCloture);
        // The Z of a closed day beside the closure.
        EXPECT_EQ(shown[19], std::string("show cmdZCloture.Visible ") + frames.cmdCloture);
    }
    // One or two coffees a sale, and the movement: no report line is a sale.
    const std::vector<std::string> journal = Lines(till.Read("tickets.csv"));
    EXPECT_EQ(journal.size(), 1U + static_cast<std::size_t>(row.records));
    for (const std::string& record : journal) {
        EXPECT_TRUE(record.find(";3.5;0;") != std::string::npos ||
                    record.find(";7;0;") != std::string::npos ||
                    record.find(";20;10;Sort;") != std::string::npos)
            << record;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ScreenModes, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantor::test
