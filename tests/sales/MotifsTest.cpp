// The reason of a cancellation, a refund, a discount and an "Offert": each
// action offers its own short list, and the reason tapped, or typed instead,
// is logged as a typed one ever was; nothing is done without one.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "InProcessTill.h"
#include "data/Cp1252.h"
#include "headless/ScriptRunner.h"
#include "platform/SystemClock.h"
#include "sales/frmMain.h"
#include "startup/Startup.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

using Choices = std::vector<std::string>;

// The runner of a script that answers the choice of a reason itself: the
// choice at `pick`, or `typed` when pick is negative. It keeps what it was offered.
class ChoosingRunner : public headless::ScriptRunner {
public:
    using ScriptRunner::ScriptRunner;

    std::string ChoiceBox(const std::string& prompt, const Choices& choices,
                          const std::string& title) override {
        static_cast<void>(title);
        prompts.push_back(prompt);
        offered.push_back(choices);
        return pick >= 0 ? choices.at(static_cast<std::size_t>(pick)) : typed;
    }

    int pick = 0;
    std::string typed;
    std::vector<std::string> prompts;
    std::vector<Choices> offered;
};

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const std::string kPaidCoffee = "click Command1 2\nclick cmdPrint 0\nanswer no\n";
const std::string kCancel = kPaidCoffee +
                            "click mnuTickets\nchoose lstTickets 0\nclick cmdAnnulerTicket\n"
                            "answer no\nclick cmdFermer\n";
const std::string kCancelGivenUp = kPaidCoffee +
                                   "click mnuTickets\nchoose lstTickets 0\n"
                                   "click cmdAnnulerTicket\nclick cmdFermer\n";
const std::string kRefund = "click Command1 2\n" + kPaidCoffee +
                            "click mnuTickets\nchoose lstTickets 0\nchoose lstLignes 0\n"
                            "click cmdRembourser\nanswer yes\nanswer no\nclick cmdFermer\n";
const std::string kDiscount =
    "click Command1 2\nclick cmdRemise\nclick mnuRemiseTicket\n"
    "answer \"1\"\n";
const std::string kOffert =
    "click Command1 2\nchoose lstTicket 0\nclick cmdRemise\n"
    "click mnuOffert\n";

const Choices kCancelReasons = {"Erreur de saisie", "Erreur de moyen de paiement", "Client parti",
                                "Ticket en double"};
const Choices kRefundReasons = {"Article retourné", "Client mécontent", "Article défectueux",
                                "Erreur de saisie"};
const Choices kDiscountReasons = {"Geste commercial", "Client fidèle", "Erreur de prix",
                                  "Attente trop longue"};
const Choices kOffertReasons = {"Geste commercial", "Personnel", "Attente trop longue",
                                "Article raté", "Dégustation"};

struct Case {
    const char* name;
    const std::string& script;
    int pick;  // the reason tapped; -1: typed instead
    const char* prompt;
    const Choices& offered;
    // The last event, after its date and time ("" when nothing was logged
    // after the start).
    const char* event;
};

const Case kCases[] = {
    {"cancel", kCancel, 1, "Motif de l'annulation", kCancelReasons,
     "Annulation;Ticket n° 2 annule le ticket n° 1 du 06.12.2026 : -3.50, "
     "motif : Erreur de moyen de paiement, par Paul"},
    {"refund", kRefund, 0, "Motif du remboursement", kRefundReasons,
     "Remboursement;Ticket n° 2 rembourse 1 Café (3.50) du ticket n° 1 : -3.50, "
     "motif : Article retourné, par Paul"},
    {"discount", kDiscount, 2, "Motif de la remise", kDiscountReasons,
     "Remise;Remise 1.00 sur le ticket : -1.00, motif : Erreur de prix, par Paul"},
    {"offert", kOffert, 4, "Motif de l'offert", kOffertReasons,
     "Offert;1 Café : -3.50, motif : Dégustation, par Paul"},
    {"offert typed", kOffert, -1, "Motif de l'offert", kOffertReasons,
     "Offert;1 Café : -3.50, motif : Anniversaire, par Paul"},
    {"cancel cancelled", kCancelGivenUp, -1, "Motif de l'annulation", kCancelReasons, ""},
    {"offert cancelled", kOffert, -1, "Motif de l'offert", kOffertReasons, ""},
};

// A till started in-process, as the headless program does, on a data folder
// with its settings and waiters; the script runs to its end.
class Motifs : public ::testing::TestWithParam<Case>, protected InProcessPlatform<ChoosingRunner> {
protected:
    void Run(const std::string& text) {
        WriteFile(data / "Infos.txt",
                  "Caf\xE9 du Port\r\nQuai 1\r\n1000 Lausanne\r\n021 000 00 00\r\nCHE-123\r\n10\r\n"
                  "5.5\r\n\r\n\r\n2\r\n\r\n\r\n");
        WriteFile(data / "Serveurs.txt", "Paul\r\nMarie\r\n");
        Till till = Start();
        ASSERT_EQ(till.status, StartStatus::Running);
        script.str(text);
        runner.Run(*till.main,
                   [](const std::string&, int) { return std::optional<std::string>(); });
    }

    // The last line of the event log, without its date and time.
    std::string LastEvent() const {
        std::ifstream file(data / "Evenements.csv", std::ios::binary);
        std::string line;
        std::string last;
        while (std::getline(file, line)) {
            last = line;
        }
        if (!last.empty() && last.back() == '\r') {
            last.pop_back();
        }
        const std::size_t date = last.find(';');
        const std::size_t time = last.find(';', date + 1);
        return Cp1252ToUtf8(last.substr(time + 1));
    }
};

TEST_P(Motifs, EachActionOffersItsReasonsAndLogsTheOneGiven) {
    const Case& c = GetParam();
    runner.pick = c.pick;
    runner.typed = std::string(c.event).empty() ? "" : "Anniversaire";
    Run(c.script);
    EXPECT_EQ(runner.prompts, std::vector<std::string>{c.prompt}) << transcript.str();
    EXPECT_EQ(runner.offered, std::vector<Choices>{c.offered});
    const std::string nothing = "D\xC3\xA9marrage;";
    EXPECT_EQ(LastEvent(), *c.event != '\0' ? std::string(c.event) : nothing) << transcript.str();
}

INSTANTIATE_TEST_SUITE_P(Actions, Motifs, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 c = c == ' ' ? '_' : c;
                             }
                             return name;
                         });

}  // namespace
}  // namespace vantor::test
