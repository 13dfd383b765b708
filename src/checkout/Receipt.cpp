// The layout of the printed receipt, and of a report printed from the screen.
#include <algorithm>
#include <cmath>
#include <string>

#include "checkout/Receipt.h"
#include "checkout/ReceiptLines.h"
#include "data/Dates.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "ledger/Events.h"
#include "platform/Printer.h"
#include "sales/LigneTicket.h"
#include "sales/Montant.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr int kPictureLeft = 800;
constexpr int kPictureWidth = 2500;
// Where the receipt's lines start: two columns in, at 144 twips a column.
constexpr int kReceiptLeft = 300;

void PrintAt(Printer& printer, int x, const std::string& text) {
    printer.SetX(x);
    printer.Print(text);
}

// The VAT inside the prices, as a customer reads it: "dont TVA 10 %".
std::string IncludedVatLabel(const std::string& rate) {
    return "dont TVA " + rate + " %";
}

std::string ChangeText(const Encaissement& payment) {
    return FormatCents(static_cast<double>(payment.renduCents) / 100);
}

// 2500 twips wide, the height keeping the picture's proportions.
int PictureHeight(const Picture& picture) {
    return static_cast<int>(
        std::lround(static_cast<double>(kPictureWidth) * picture.height / picture.width));
}

}  // namespace

void frmMain::PrintTicket(const ReceiptSale* sale) {
    Printer printer(platform_.printers);
    PrintReceiptHeader(printer, sale);
    // The ticket's lines, or the report on screen.
    printer.SetFontSize(10);
    printer.SetFontBold(true);
    if (sale == nullptr) {
        printer.SetX(kReceiptLeft);
        printer.Print(data_.TexteBon);
    } else {
        PrintReceiptArticles(printer, *sale);
        PrintReceiptTotals(printer, *sale);
        printer.SetFontBold(true);
        PrintTrainingMark(printer, kReceiptLeft);
        PrintReceiptMark(printer, *sale);
    }
    printer.EndDoc();
}

bool frmMain::InTraining() const {
    return Get("mnuFormation").checked;
}

// A practice receipt must never pass for a paid one: the mark is printed
// whatever the printer, since every kind prints these same lines.
void frmMain::PrintTrainingMark(Printer& printer, int x) {
    if (!InTraining()) {
        return;
    }
    for (const std::string& line : TrainingMarkLines(ReceiptWidth(platform_.printers.Paper()))) {
        PrintAt(printer, x, line);
    }
}

void frmMain::LogTrainingPrint(const std::string& what) {
    if (InTraining()) {
        TryLogEvent(data_.DataPath, platform_.clock.Now(), "Impression en mode formation", what);
    }
}

// The logo, the shop, the date and for a sale its waiter, number and code.
void frmMain::PrintReceiptHeader(Printer& printer, const ReceiptSale* sale) {
    printer.SetFontName(Get("lstTicket").fontName);
    printer.SetFontBold(true);
    printer.SetFontSize(12);
    printer.SetY(2600);
    if (sale != nullptr) {
        PrintTrainingMark(printer, kReceiptLeft);
        PrintReceiptMark(printer, *sale);
    }
    const Picture& logo = Get("Image1").picture;
    if (logo.Loaded()) {
        printer.PaintPicture(logo, kPictureLeft, 1, kPictureWidth, PictureHeight(logo));
    }
    for (InfoField field : {NomCommerce, Adresse, Localite, Telephone}) {
        if (!data_.Infos[field].empty()) {
            PrintAt(printer, 500, data_.Infos[field]);
        }
    }
    if (!data_.Infos[NumeroTVA].empty()) {
        PrintAt(printer, 500, "TVA N° : " + data_.Infos[NumeroTVA]);
    }
    const std::string separator = ReceiptRule(ReceiptWidth(platform_.printers.Paper()));
    PrintAt(printer, 300, separator);
    printer.SetFontBold(false);
    const DateTime when = sale != nullptr ? sale->when : platform_.clock.Now();
    PrintAt(printer, 300, FormatDate(when.date) + "   " + FormatTime(when.time));
    if (sale != nullptr) {
        const std::string& serveur = sale->serveur.empty() ? data_.Serveur : sale->serveur;
        PrintAt(printer, 300, "Servis par : " + Before(serveur, "+"));
        PrintAt(
            printer, 300,
            "Ticket n° :  " + std::to_string(sale->numero != 0 ? sale->numero : data_.NumTicket));
        if (!sale->code.empty()) {
            PrintAt(printer, 300, "Code : " + sale->code);
        }
    }
    PrintAt(printer, 300, separator);
    printer.Print("");
}

// Each article at the paper's width, its label whole.
void frmMain::PrintReceiptArticles(Printer& printer, const ReceiptSale& sale) {
    const int width = ReceiptWidth(platform_.printers.Paper());
    printer.Print("");
    for (const std::string& note : sale.notes) {
        for (const std::string& line : ReceiptTextLines(note, width)) {
            PrintAt(printer, kReceiptLeft, line);
        }
    }
    for (const ReceiptArticle& article : sale.articles) {
        for (const std::string& line : ReceiptArticleLines(
                 article.quantity, article.label, data_.Infos[Monnaie], article.amount, width)) {
            PrintAt(printer, kReceiptLeft, line);
        }
    }
}

// The total, its VAT when the ticket has a VAT mode, how it was paid, the
// note and the QR code.
void frmMain::PrintReceiptTotals(Printer& printer, const ReceiptSale& sale) {
    const std::string& currency = data_.Infos[Monnaie];
    const int width = ReceiptWidth(platform_.printers.Paper());
    printer.SetFontBold(true);
    printer.Print("");
    PrintAt(printer, kReceiptLeft, ReceiptAmountLine("Total", currency, sale.totalText, width));
    printer.SetFontBold(false);
    const std::string rate = ExtrasOf(sale).taux;
    if (!rate.empty()) {
        PrintAt(printer, kReceiptLeft,
                ReceiptAmountLine(IncludedVatLabel(rate), currency, FormatCents(sale.montantTVA),
                                  width));
    }
    PrintPayment(printer, sale);
    printer.SetFontBold(true);
    PrintAt(printer, kReceiptLeft, ReceiptRule(width));
    const std::string& note = Get("txtNote").text;
    if (!note.empty()) {
        PrintAt(printer, 300, note + "\n");
    }
    if (Get("chkQR").value == 1) {
        PrintQrBlock(printer, sale.code);
    }
}

// A sale on screen shows its VAT in the mode chosen; a recorded one (its
// duplicate, its correction) in the mode it was recorded with.
bool frmMain::ShowsIncludedVat(const ReceiptSale& sale) const {
    if (!sale.modeTVA) {
        const int mode = Get("cmbTVA").listIndex;
        return mode == 1 || mode == 2;
    }
    const std::optional<double> mode = ParseNumber(*sale.modeTVA);
    return mode && (std::nearbyint(*mode) == 1 || std::nearbyint(*mode) == 2);
}

// "DUPLICATA", "ANNULATION" or "REMBOURSEMENT" at the top and the bottom of
// the receipt, across its width, so that nobody takes it for a sale.
void frmMain::PrintReceiptMark(Printer& printer, const ReceiptSale& sale) {
    if (sale.mark.empty()) {
        return;
    }
    const int width = ReceiptWidth(platform_.printers.Paper());
    const std::size_t room = static_cast<std::size_t>(std::max(width, 0));
    const std::size_t used = Len(sale.mark);
    PrintAt(printer, kReceiptLeft,
            std::string(used < room ? (room - used) / 2 : 0, ' ') + sale.mark);
}

// A cash sale whose amount received was asked: what was handed over and the
// change; a split: its card part, the cash handed over and the change given
// back from it, if any; the rate when the ticket shows its VAT. A duplicate
// prints what its lines kept.
ReceiptExtras frmMain::ExtrasOf(const ReceiptSale& sale) const {
    if (sale.printed) {
        return *sale.printed;
    }
    ReceiptExtras extras;
    const Encaissement& payment = sale.payment;
    if (payment.kind == PaymentKind::Cash && payment.especes > 0) {
        extras.recu = NumberToText(payment.especes);
        extras.rendu = ChangeText(payment);
    } else if (payment.kind == PaymentKind::Mixed) {
        extras.recu = NumberToText(payment.especes);
        extras.rendu = payment.renduCents > 0 ? ChangeText(payment) : "";
        extras.carte = NumberToText(payment.carte);
    }
    if (ShowsIncludedVat(sale)) {
        extras.taux = NumberToText(sale.taux);
    }
    return extras;
}

// "Espèces" or "Carte" with the total, then what ExtrasOf says was handed
// over; a split with both parts, the cash handed over last.
void frmMain::PrintPayment(Printer& printer, const ReceiptSale& sale) {
    const std::string& currency = data_.Infos[Monnaie];
    const int width = ReceiptWidth(platform_.printers.Paper());
    const auto line = [&](const char* label, const std::string& amount) {
        PrintAt(printer, kReceiptLeft, ReceiptAmountLine(label, currency, amount, width));
    };
    const ReceiptExtras extras = ExtrasOf(sale);
    if (sale.payment.kind != PaymentKind::Mixed) {
        line(sale.payment.kind == PaymentKind::Card ? "Carte" : "Espèces", sale.totalText);
        if (!extras.recu.empty()) {
            line("Reçu", extras.recu);
            line("Rendu", extras.rendu);
        }
        return;
    }
    line("Carte", extras.carte);
    line("Espèces", extras.recu);
    if (!extras.rendu.empty()) {
        line("Rendu", extras.rendu);
    }
}

// The code of the sale goes into the QR code made from the text; a QR
// picture chosen in the settings is printed as it is.
void frmMain::PrintQrBlock(Printer& printer, const std::string& code) {
    const std::string& text = Get("txtQR").text;
    const Picture& qr = Get("Image2").picture;
    const std::string content = code.empty() || text.empty() ? text + code : text + " " + code;
    if (!qr.Loaded() && content.empty()) {
        return;
    }
    PrintAt(printer, kPictureLeft, text);
    if (qr.Loaded()) {
        printer.PaintPicture(qr, kPictureLeft, printer.CurrentY(), kPictureWidth,
                             PictureHeight(qr));
    } else {
        // No picture chosen: the code is made from the text, where the picture would be.
        printer.PrintQrCode(content, kPictureLeft, printer.CurrentY(), kPictureWidth);
    }
}

}  // namespace vantor
