// Receipt printers that speak ESC/POS, through the real program: the test
// receipt of the settings, the drawer's pulses, and a printer that cannot be
// reached (receipts, a kitchen order and a report: the pages of cases/).
#include <gtest/gtest.h>

#include "support/EscPosReader.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

// Two coffees and a dish of 8.00 at 12:04:09 on 05.12.2026, waiter Paul.
const std::string kSale =
    "clock 05.12.2026 12:04:09\n"
    "click Command1 2\nclick Command1 2\n"
    "click Command1 66\nanswer \"8\"\nanswer \"Croque\"\n";

// The shop, VAT on the premises at 10, no pictures.
const std::string kInfos =
    "Caf\xE9 du Port\r\nQuai 1\r\n1000 Lausanne\r\n021 000 00 00\r\nCHE-123\r\n10\r\n5.5\r\n"
    "\r\n\r\n1\r\nMerci et \xE0 bient\xF4t\r\nwww.cafe.ch\r\n\r\n";

// A till whose receipt printer "Ticket" writes to a file (or to `device`).
class EscPosPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        till.Write("Serveurs.txt", "Paul\r\nMarie\r\n");
        till.Write("Infos.txt", kInfos);
    }
    void SetPaper(const std::string& width, const std::string& pin) {
        till.Write("ImprimanteTicket.txt", width + "\r\n" + pin + "\r\n");
    }
    TillRun Run(const std::string& script, const std::string& device = "printer.bin") {
        return till.Run("escpos \"Ticket\" \"" + (till / device) + "\"\n" + script);
    }
    std::string Printed() const { return ReadEscPos(till.Read("printer.bin")); }

    HeadlessTill till;
};

// A row's name names its test (and its expected file).
const auto kRowName = [](const auto& info) { return std::string(info.param.name); };

TEST_F(EscPosPrinting, TestReceiptWithThePaperAndPinOfTheDialog) {
    const std::string infos = till.Read("Infos.txt");
    const TillRun run =
        Run("printers \"Laser\"\nclock 05.12.2026 12:04:09\nclick mnuInfos\nshow cmbPapier\n"
            "show cmbTiroir\nchoose cmbPrinters 1\nchoose cmbPapier 0\nchoose cmbTiroir 1\n"
            "click cmdTestTicket\nshow Printer\nclick cmdOK\n");
    EXPECT_EQ(Shows(run), (std::vector<std::string>{"show cmbPapier.Text \"80 mm\"",
                                                    "show cmbTiroir.Text \"broche 2\"",
                                                    "show Printer \"Laser\""}));
    EXPECT_EXPECTED("test-receipt-58.txt", Printed());
    EXPECT_EQ(till.Read("ImprimanteTicket.txt"), "58\r\n5\r\n");
    EXPECT_EQ(till.Read("Infos.txt"),
              infos.substr(0, infos.size() - 2) + "Ticket\r\n\r\n0\r\n\r\n\x80\r\n")
        << "Infos.txt keeps its 17 lines";
}

struct DrawerCase {
    const char* name;
    std::string script;
    const char* pin;
    std::size_t pulses;
};

const std::string kCash = kSale + "click cmdPrint 0\nanswer no\n";

const DrawerCase kDrawers[] = {
    {"Cash", kCash, "2", 1},
    {"CashOnPin5", kCash, "5", 1},
    {"Card", kSale + "click cmdPrint 1\nanswer no\n", "2", 0},
    {"MixedWithCash",
     kSale + "click cmdPrint 2\nanswer no\ntype txtEsp \"9\"\nclick cmdComplete\nclick cmdOK\n",
     "2", 1},
    {"MixedCancelled", kSale + "click cmdPrint 2\nanswer no\nclick cmdUndo\n", "2", 0},
    {"MixedAllByCard",
     kSale + "click cmdPrint 2\nanswer no\ntype txtEsp \"0\"\ntype txtcart \"15\"\nclick cmdOK\n",
     "2", 0},
    {"Training", kSale + "click mnuFormation\nanswer \"391205\"\nclick cmdPrint 0\nanswer no\n",
     "2", 0},
    {"Report", "click cmdPrint 0\nanswer no\nclick optPrint 1\nclick cmdPrint 0\n", "2", 1},
    {"Movement",
     "click optPrint 2\nchoose cmbVantor 1\ntype txtVantor \"50\"\nchoose cmbCatCompt 0\n"
     "click cmdVantor\n",
     "2", 1},
};

class Drawer : public EscPosPrinting, public ::testing::WithParamInterface<DrawerCase> {};

TEST_P(Drawer, OpensForCashOnly) {
    const DrawerCase& row = GetParam();
    SetPaper("80", row.pin);
    const TillRun run = Run(row.script);
    EXPECT_EQ(LinesStartingWith(run.out, "drawer ").size(), row.pulses);
    // Connector 0 is pin 2, 1 pin 5; on 50 ms and off 500 ms, in steps of 2 ms.
    const std::string pulse = std::string("<ESC p ") + (row.pin[0] == '5' ? "1" : "0") + " 25 250>";
    EXPECT_EQ(LinesStartingWith(Printed(), "<ESC p"), std::vector<std::string>(row.pulses, pulse));
}

INSTANTIATE_TEST_SUITE_P(Cases, Drawer, ::testing::ValuesIn(kDrawers), kRowName);

// With the receipt, the ticket stays for another try; a drawer that does not
// open stops no sale.
TEST_F(EscPosPrinting, UnreachablePrinterKeepsTheTicketAndTheSaleWithoutReceiptGoesOn) {
    const std::string unreachable =
        "L'imprimante \\\"Ticket\\\" ne répond pas : fichier ou dossier introuvable";
    const struct {
        const char* answer;
        std::string message;
        const char* ticketLines;
        bool sold;
    } cases[] = {
        {"yes", "msgbox critical ok \"Vantor\" \"" + unreachable + "\"",
         "show lstTicket.ListCount 2", false},
        {"no",
         // The box's first line; the second says what to do.
         "msgbox exclamation ok \"Vantor\" \"Le tiroir-caisse ne s'ouvre pas : " + unreachable,
         "show lstTicket.ListCount 0", true},
    };
    for (const auto& row : cases) {
        const TillRun run = Run(kSale + "click cmdPrint 0\nanswer " + row.answer +
                                    "\nanswer ok\nshow lstTicket.ListCount\n",
                                "unplugged/lp0");
        EXPECT_EQ(Boxes(run),
                  (std::vector<std::string>{
                      "msgbox none yesno \"Impression\" \"Imprimer le ticket ?\"", row.message}));
        EXPECT_EQ(Shows(run), std::vector<std::string>{row.ticketLines});
        EXPECT_EQ(!till.Read("tickets.csv").empty(), row.sold);
        EXPECT_EQ(run.out.find(unreachable + "\nOuvrez-le avec sa clé.\"\n") != std::string::npos,
                  row.sold)
            << run.out;
    }
}

}  // namespace
}  // namespace vantor::test
