// The layout of the printed receipt, and of a report printed from the screen.
#include <cmath>
#include <string>

#include "checkout/Receipt.h"
#include "data/Dates.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "platform/Printer.h"
#include "sales/LigneTicket.h"
#include "sales/Montant.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr int kPictureLeft = 800;
// The receipt's lines start two columns in (300 twips, at 144 a column).
constexpr int kReceiptMarginColumns = 2;
constexpr int kPictureWidth = 2500;

void PrintAt(Printer& printer, int x, const std::string& text) {
    printer.SetX(x);
    printer.Print(text);
}

// "Total" and the like, padded to the lines' labels, then the amount.
std::string AmountLine(const std::string& label, const std::string& currency,
                       const std::string& amount) {
    return PadRight(label, kLabelWidth) + " " + currency + " " + FormatMontant(amount, false);
}

// A rule from the margin to the paper's right edge.
std::string Separator(const ReceiptPaper& paper) {
    return std::string(static_cast<std::size_t>(paper.Columns() - kReceiptMarginColumns), '-');
}

// The VAT inside the prices, as a customer reads it: "dont TVA 10 %".
std::string IncludedVatLabel(double rate) {
    return "dont TVA " + NumberToText(rate) + " %";
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
    printer.SetX(300);
    printer.SetFontBold(true);
    printer.Print(data_.TexteBon);
    if (sale != nullptr) {
        PrintReceiptTotals(printer, *sale);
    }
    printer.EndDoc();
}

// The logo, the shop, the date and for a sale its waiter, number and code.
void frmMain::PrintReceiptHeader(Printer& printer, const ReceiptSale* sale) {
    printer.SetFontName(Get("lstTicket").fontName);
    printer.SetFontBold(true);
    printer.SetFontSize(12);
    printer.SetY(2600);
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
    const std::string separator = Separator(platform_.printers.Paper());
    PrintAt(printer, 300, separator);
    printer.SetFontBold(false);
    const DateTime when = sale != nullptr ? sale->when : platform_.clock.Now();
    PrintAt(printer, 300, FormatDate(when.date) + "   " + FormatTime(when.time));
    if (sale != nullptr) {
        PrintAt(printer, 300, "Servis par : " + Before(data_.Serveur, "+"));
        PrintAt(printer, 300, "Ticket n° :  " + std::to_string(data_.NumTicket));
        if (!sale->code.empty()) {
            PrintAt(printer, 300, "Code : " + sale->code);
        }
    }
    PrintAt(printer, 300, separator);
    printer.Print("");
}

// The total, its VAT when the ticket has a VAT mode, how it was paid, the
// note and the QR code.
void frmMain::PrintReceiptTotals(Printer& printer, const ReceiptSale& sale) {
    const std::string& currency = data_.Infos[Monnaie];
    printer.SetFontBold(true);
    printer.Print("");
    PrintAt(printer, 300, AmountLine("Total", currency, sale.totalText));
    const Control& tva = Get("cmbTVA");
    printer.SetFontBold(false);
    if (tva.listIndex == 1 || tva.listIndex == 2) {
        PrintAt(printer, 300,
                AmountLine(IncludedVatLabel(sale.taux), currency, FormatCents(sale.montantTVA)));
    }
    PrintPayment(printer, sale);
    printer.SetFontBold(true);
    PrintAt(printer, 300, Separator(platform_.printers.Paper()));
    const std::string& note = Get("txtNote").text;
    if (!note.empty()) {
        PrintAt(printer, 300, note + "\n");
    }
    if (Get("chkQR").value == 1) {
        PrintQrBlock(printer, sale.code);
    }
}

// "Espèces" or "Carte" with the total; a split with both parts, the cash
// handed over last, followed by the change given back from it.
void frmMain::PrintPayment(Printer& printer, const ReceiptSale& sale) {
    const std::string& currency = data_.Infos[Monnaie];
    const Encaissement& payment = sale.payment;
    if (payment.kind != PaymentKind::Mixed) {
        PrintAt(printer, 300,
                AmountLine(payment.kind == PaymentKind::Card ? "Carte" : "Espèces", currency,
                           sale.totalText));
        return;
    }
    PrintAt(printer, 300, AmountLine("Carte", currency, NumberToText(payment.carte)));
    PrintAt(printer, 300, AmountLine("Espèces", currency, NumberToText(payment.especes)));
    if (payment.renduCents > 0) {
        PrintAt(printer, 300,
                AmountLine("Rendu", currency,
                           FormatCents(static_cast<double>(payment.renduCents) / 100)));
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
