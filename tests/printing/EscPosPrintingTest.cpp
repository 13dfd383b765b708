// Receipt printers that speak ESC/POS, through the real program: the bytes of
// receipts, a kitchen order and a report read back into lines and compared with
// the expected files, the drawer's pulses, and a printer that cannot be reached.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "admin/Bitmap.h"
#include "printing/EscPosReader.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

// Two coffees and a dish of 8.00 at 12:04:09 on 05.12.2026, waiter Paul.
const std::string kSale =
    "clock 05.12.2026 12:04:09\n"
    "click Command1 2\nclick Command1 2\n"
    "click Command1 66\nanswer \"8\"\nanswer \"Croque\"\n";

// The shop, VAT on the premises at 10, logo and QR pictures as given.
std::string Infos(const std::string& logo, const std::string& qr) {
    return "Caf\xE9 du Port\r\nQuai 1\r\n1000 Lausanne\r\n021 000 00 00\r\nCHE-123\r\n10\r\n"
           "5.5\r\n" +
           logo + "\r\n" + qr + "\r\n1\r\nMerci et \xE0 bient\xF4t\r\nwww.cafe.ch\r\n\r\n";
}

// A 24-bit picture: a black frame two pixels wide round a white field with a
// black diagonal.
std::string FramedPicture(int width, int height) {
    const int row = (width * 3 + 3) / 4 * 4;
    std::string bytes = Bitmap(1, 1).substr(0, 54);  // headers, patched below
    auto put = [&bytes](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
        }
    };
    put(2, static_cast<std::uint32_t>(54 + row * height), 4);
    put(10, 54, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(28, 24, 2);
    put(34, static_cast<std::uint32_t>(row * height), 4);
    for (int y = 0; y < height; ++y) {
        std::string line(static_cast<std::size_t>(row), '\0');
        for (int x = 0; x < width; ++x) {
            const bool dark = x < 2 || y < 2 || x >= width - 2 || y >= height - 2 || x == y;
            line.replace(static_cast<std::size_t>(x) * 3, 3, 3, dark ? '\0' : '\xFF');
        }
        bytes += line;
    }
    return bytes;
}

class EscPosPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        WriteRaw(data_ / "Serveurs.txt", "Paul\r\nMarie\r\n");
        WriteRaw(data_ / "Infos.txt", Infos("", ""));
    }
    void SetPaper(const std::string& width, const std::string& pin) {
        WriteRaw(data_ / "ImprimanteTicket.txt", width + "\r\n" + pin + "\r\n");
    }
    TillRun Run(const std::string& script, const std::string& device = "") {
        const std::string file = device.empty() ? printed_ : device;
        TillRun run = RunScript(data_.Path(), "escpos \"Ticket\" \"" + file + "\"\n" + script);
        EXPECT_EQ(run.status, 0) << run.err << run.out;
        return run;
    }
    std::string Printed() const { return ReadEscPos(Slurp(printed_)); }

    TempDir data_;
    TempDir pictures_;
    std::string printed_ = data_ / "printer.bin";
};

// The decoded document against tests/printing/expected/NAME.txt; with
// VANTOR_UPDATE_EXPECTED set the file is written instead, to be read and checked.
void ExpectDocument(const std::string& decoded, const std::string& name) {
    const std::string path = std::string(VANTOR_ESCPOS_EXPECTED) + "/" + name + ".txt";
    if (std::getenv("VANTOR_UPDATE_EXPECTED") != nullptr) {
        std::ofstream(path, std::ios::binary) << decoded;
    }
    EXPECT_EQ(decoded, Slurp(path)) << "expected file " << path;
}

struct ReceiptCase {
    const char* name;
    const char* width;
    bool logo;
    const char* qr;  // "" none, "text" the printer's own code, "picture" the QR picture
};

class Receipts : public EscPosPrinting, public ::testing::WithParamInterface<ReceiptCase> {};

TEST_P(Receipts, PrintLineForLineWhatThePageShows) {
    const ReceiptCase& row = GetParam();
    SetPaper(row.width, "2");
    WriteRaw(pictures_ / "logo.bmp", FramedPicture(60, 20));
    WriteRaw(pictures_ / "qr.bmp", Bitmap(16, 16));
    WriteRaw(data_ / "Infos.txt",
             Infos(row.logo ? pictures_ / "logo.bmp" : "",
                   std::string(row.qr) == "picture" ? pictures_ / "qr.bmp" : ""));
    const std::string qr = std::string(row.qr).empty() ? "" : "click chkQR\n";
    Run(kSale + qr + "click cmdPrint 1\nanswer yes\n");
    ExpectDocument(Printed(), row.name);
}

INSTANTIATE_TEST_SUITE_P(Cases, Receipts,
                         ::testing::Values(ReceiptCase{"receipt-80", "80", false, ""},
                                           ReceiptCase{"receipt-80-logo-qr", "80", true, "text"},
                                           ReceiptCase{"receipt-58", "58", false, ""},
                                           ReceiptCase{"receipt-58-logo-qr-picture", "58", true,
                                                       "picture"}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST_F(EscPosPrinting, KitchenOrder) {
    Run(kSale + "type txtBon \"Sans oignon\"\nclick cmdCuisine\nclick mnuCuisineDessert\n");
    ExpectDocument(Printed(), "kitchen-80");
}

TEST_F(EscPosPrinting, Report) {
    SetPaper("58", "2");
    Run(kSale +
        "click cmdPrint 0\nanswer no\nclick optPrint 1\nclick cmdX\n"
        "click cmdPrint 0\n");
    ExpectDocument(Printed(), "report-58");
}

TEST_F(EscPosPrinting, TestReceiptWithThePaperAndPinOfTheDialog) {
    const std::string infos = Slurp(data_ / "Infos.txt");
    const TillRun run =
        Run("printers \"Laser\"\nclock 05.12.2026 12:04:09\nclick mnuInfos\nshow cmbPapier\n"
            "show cmbTiroir\nchoose cmbPrinters 1\nchoose cmbPapier 0\nchoose cmbTiroir 1\n"
            "click cmdTestTicket\nshow Printer\nclick cmdOK\n");
    EXPECT_EQ(
        LinesStartingWith(run.out, "show "),
        (std::vector<std::string>{"show cmbPapier.Text \"80 mm\"",
                                  "show cmbTiroir.Text \"broche 2\"", "show Printer \"Laser\""}));
    ExpectDocument(Printed(), "test-receipt-58");
    EXPECT_EQ(Slurp(data_ / "ImprimanteTicket.txt"), "58\r\n5\r\n");
    EXPECT_EQ(Slurp(data_ / "Infos.txt"),
              infos.substr(0, infos.size() - 2) + "Ticket\r\n\r\n0\r\n\r\n\x80\r\n")
        << "Infos.txt keeps its 17 lines";
}

struct DrawerCase {
    const char* name;
    std::string script;
    const char* pin;
    int pulses;
};

const std::string kMovement =
    "click optPrint 2\nchoose cmbVantor 1\ntype txtVantor \"50\"\nchoose cmbCatCompt 0\n"
    "click cmdVantor\n";

const DrawerCase kDrawers[] = {
    {"Cash", kSale + "click cmdPrint 0\nanswer no\n", "2", 1},
    {"CashOnPin5", kSale + "click cmdPrint 0\nanswer no\n", "5", 1},
    {"Card", kSale + "click cmdPrint 1\nanswer no\n", "2", 0},
    {"MixedWithCash",
     kSale + "click cmdPrint 2\nanswer no\ntype txtEsp \"9\"\nclick cmdComplete\nclick cmdOK\n",
     "2", 1},
    {"MixedWithoutDetail", kSale + "click cmdPrint 2\nanswer no\nclick cmdUndo\nanswer ok\n", "2",
     1},
    {"Training", kSale + "click mnuFormation\nanswer \"391205\"\nclick cmdPrint 0\nanswer no\n",
     "2", 0},
    {"Report", "click cmdPrint 0\nanswer no\nclick optPrint 1\nclick cmdPrint 0\n", "2", 1},
    {"Movement", kMovement, "2", 1},
};

class Drawer : public EscPosPrinting, public ::testing::WithParamInterface<DrawerCase> {};

TEST_P(Drawer, OpensForCashOnly) {
    const DrawerCase& row = GetParam();
    SetPaper("80", row.pin);
    const TillRun run = Run(row.script);
    EXPECT_EQ(LinesStartingWith(run.out, "drawer ").size(), static_cast<std::size_t>(row.pulses));
    const std::string pulse = std::string("\ndrawer pin ") + row.pin + ", 50 ms on, 500 ms off\n";
    const std::string printed = "\n" + Printed();
    std::size_t found = 0;
    for (std::size_t at = 0; (at = printed.find(pulse, at)) != std::string::npos; ++at) {
        ++found;
    }
    EXPECT_EQ(found, static_cast<std::size_t>(row.pulses)) << printed;
}

INSTANTIATE_TEST_SUITE_P(Cases, Drawer, ::testing::ValuesIn(kDrawers),
                         [](const auto& info) { return std::string(info.param.name); });

// With the receipt, the ticket stays for another try; a drawer that does not
// open stops no sale.
TEST_F(EscPosPrinting, UnreachablePrinterKeepsTheTicketAndTheSaleWithoutReceiptGoesOn) {
    const struct {
        const char* answer;
        const char* message;
        const char* ticketLines;
        bool sold;
    } cases[] = {
        {"yes",
         "msgbox critical ok \"Vantor\" \"L'imprimante \\\"Ticket\\\" ne répond pas : No such file "
         "or directory\"",
         "show lstTicket.ListCount 2", false},
        {"no",
         "msgbox exclamation ok \"Vantor\" \"Le tiroir-caisse ne s'ouvre pas : L'imprimante "
         "\\\"Ticket\\\" ne répond pas : No such file or directory\"",
         "show lstTicket.ListCount 0", true},
    };
    for (const auto& row : cases) {
        const std::string answer = row.answer;
        const TillRun run = Run(kSale + "click cmdPrint 0\nanswer " + answer +
                                    "\nanswer ok\nshow lstTicket.ListCount\n",
                                data_ / "unplugged/lp0");
        EXPECT_NE(run.out.find(row.message), std::string::npos) << run.out;
        EXPECT_NE(run.out.find(row.ticketLines), std::string::npos) << run.out;
        EXPECT_EQ(fs::exists(data_ / "tickets.csv"), row.sold);
    }
}

}  // namespace
}  // namespace vantor::test
