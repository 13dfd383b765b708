// Kitchen and dessert orders: the lines of categories 5 and/or 6 printed on
// the kitchen printer with an optional note.
#include <cassert>
#include <vector>

#include "data/Dates.h"
#include "data/Text.h"
#include "platform/Printer.h"
#include "sales/TicketRecord.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

struct OrderKind {
    const char* word;
    bool kitchen;
    bool dessert;
};

constexpr int kKitchenCategory = 5;
constexpr int kDessertCategory = 6;

// The quantity still to send and the label field; a free text is shown up
// to its first ";", the second field of the record split at ";".
std::string OrderLine(int quantity, const TicketRecord& record) {
    return std::to_string(quantity) + " " + Before(record.label, ";");
}

bool InOrder(const OrderKind& order, int category) {
    return (category == kKitchenCategory && order.kitchen) ||
           (category == kDessertCategory && order.dessert);
}

constexpr OrderKind kOrders[] = {
    {"Cuisine", true, false},
    {"Dessert", false, true},
    {"Cuisine et Dessert", true, true},
};

}  // namespace

void frmMain::cmdCuisine_Click() {
    platform_.ui.PopupMenu(*this, Get("mnuBon"));
}

void frmMain::ImprimerBon(int kind) {
    const OrderKind& order = kOrders[kind];
    const std::string word = order.word;
    Control& orderList = Get("lstCuisine");
    orderList.Clear();
    assert(RecordsMatchLines());
    // A second order sends only what the first did not: the lines added
    // since, and what was added to a line already sent.
    std::vector<std::size_t> sending;
    bool anyOfKind = false;
    for (std::size_t index = 0; index < ticket_.Lines().size(); ++index) {
        const TicketLine& line = ticket_.Lines()[index];
        if (line.remise != RemiseSur::Rien || !InOrder(order, line.record.category)) {
            continue;
        }
        anyOfKind = true;
        if (!line.AllSent()) {
            orderList.AddItem(OrderLine(line.record.quantity - line.sent, line.record));
            sending.push_back(index);
        }
    }
    if (orderList.ListCount() == 0) {
        platform_.ui.MsgBox(anyOfKind ? "Bon " + word + " déjà envoyé" : "Pas d'article " + word,
                            vbInformation);
        return;
    }
    Control& note = Get("txtBon");
    if (note.text.empty()) {
        AfficherClavier();
        note.text = platform_.ui.InputBox("Vous n'avez pas ajouté de texte au bon " + word +
                                          "\nvoulez-vous en ajouter un ?");
    }
    data_.TexteBon.clear();
    for (const std::string& entry : orderList.items) {
        data_.TexteBon += "\n" + entry;
    }
    // The order goes to the kitchen printer; whatever happens, the receipt
    // printer (or the printer current before, when none is named) is current after.
    const std::string previous = platform_.printers.Current();
    auto restoreReceiptPrinter = [&] {
        platform_.printers.Choose(previous);
        if (!data_.Infos[ImprimanteTicket].empty()) {
            platform_.printers.Choose(data_.Infos[ImprimanteTicket]);
        }
    };
    if (!data_.Infos[ImprimanteCuisine].empty()) {
        platform_.printers.Choose(data_.Infos[ImprimanteCuisine]);
    }
    try {
        PrintKitchenOrder(word);
    } catch (const PrintError& error) {
        restoreReceiptPrinter();
        platform_.ui.MsgBox(error.what(), vbCritical);  // the note stays for another try
        return;
    }
    LogTrainingPrint("Bon " + word);
    note.text.clear();
    restoreReceiptPrinter();
    for (std::size_t index : sending) {
        ticket_.MarkSent(index);
    }
    ShowTicket();
}

void frmMain::PrintKitchenOrder(const std::string& word) {
    Printer printer(platform_.printers);
    printer.SetX(500);
    printer.SetFontName(Get("lstCuisine").fontName);
    printer.SetFontBold(true);
    printer.SetFontSize(12);
    printer.SetY(300);
    PrintTrainingMark(printer, 500);
    printer.SetX(500);
    printer.Print("Bon " + word);
    // Where the dishes go, who serves them, and since when they wait.
    printer.SetFontBold(false);
    for (const std::string& line : KitchenOrderHeading()) {
        printer.SetX(500);
        printer.Print(line);
    }
    printer.SetFontBold(true);
    printer.SetX(300);
    printer.Print(std::string(59, '-'));
    printer.SetX(500);
    printer.Print(data_.TexteBon);
    printer.SetX(500);
    printer.SetFontBold(false);
    printer.Print(Get("txtBon").text);
    printer.SetFontBold(true);
    PrintTrainingMark(printer, 500);
    printer.EndDoc();
}

std::vector<std::string> frmMain::KitchenOrderHeading() const {
    std::vector<std::string> lines;
    if (!ticket_.TableName().empty()) {
        lines.push_back("Table : " + ticket_.TableName());
    }
    if (!data_.Serveur.empty()) {
        lines.push_back("Serveur : " + data_.Serveur);
    }
    const std::string time = FormatTime(platform_.clock.Now().time);
    lines.push_back("Heure : " + time.substr(0, time.size() - 3));  // no seconds
    return lines;
}

}  // namespace vantor
