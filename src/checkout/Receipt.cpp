// The layout of the printed receipt, and of a report printed from the screen.
#include <cmath>

#include "data/Dates.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "platform/Printer.h"
#include "sales/LigneTicket.h"
#include "sales/Montant.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

const std::string kSeparator(39, '-');
constexpr int kPictureLeft = 800;
constexpr int kPictureWidth = 2500;

void PrintAt(Printer& printer, int x, const std::string& text) {
    printer.SetX(x);
    printer.Print(text);
}

// 2500 twips wide, the height keeping the picture's proportions.
int PictureHeight(const Picture& picture) {
    return static_cast<int>(
        std::lround(static_cast<double>(kPictureWidth) * picture.height / picture.width));
}

}  // namespace

void frmMain::PrintTicket(const std::string& totalText, double taux, double montantTVA) {
    const bool sale = !data_.RapportAffiche;
    Printer printer(platform_.printers);
    PrintReceiptHeader(printer, sale);
    // The ticket's lines, or the report on screen.
    printer.SetFontSize(10);
    printer.SetX(300);
    printer.SetFontBold(true);
    printer.Print(data_.TexteBon);
    if (sale) {
        PrintReceiptTotals(printer, totalText, taux, montantTVA);
    }
    printer.EndDoc();
}

// The logo, the shop, the date and for a sale its waiter and number.
void frmMain::PrintReceiptHeader(Printer& printer, bool sale) {
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
    PrintAt(printer, 300, kSeparator);
    printer.SetFontBold(false);
    const DateTime now = platform_.clock.Now();
    PrintAt(printer, 300, FormatDate(now.date) + "   " + FormatTime(now.time));
    if (sale) {
        PrintAt(printer, 300, "Servis par : " + Before(data_.Serveur, "+"));
        PrintAt(printer, 300, "Ticket n° :  " + std::to_string(data_.NumTicket));
    }
    PrintAt(printer, 300, kSeparator);
    printer.Print("");
}

// The total, its VAT when the ticket has a VAT mode, the note and the QR code.
void frmMain::PrintReceiptTotals(Printer& printer, const std::string& totalText, double taux,
                                 double montantTVA) {
    const std::string& currency = data_.Infos[Monnaie];
    printer.SetFontBold(true);
    printer.Print("");
    PrintAt(
        printer, 300,
        PadRight("Total", kLabelWidth) + " " + currency + " " + FormatMontant(totalText, false));
    const Control& tva = Get("cmbTVA");
    if (tva.listIndex == 1 || tva.listIndex == 2) {
        printer.SetFontBold(false);
        const std::string label = "TVA " + tva.text + " (" + NumberToText(taux) + "%)";
        PrintAt(printer, 300,
                FitRight(label, kLabelWidth) + " " + currency + " " +
                    FormatMontant(FormatCents(montantTVA), false));
        printer.SetFontBold(true);
    }
    PrintAt(printer, 300, kSeparator);
    const std::string& note = Get("txtNote").text;
    if (!note.empty()) {
        PrintAt(printer, 300, note + "\n");
    }
    if (Get("chkQR").value == 1) {
        PrintQrBlock(printer);
    }
}

void frmMain::PrintQrBlock(Printer& printer) {
    const std::string& text = Get("txtQR").text;
    const Picture& qr = Get("Image2").picture;
    if (!qr.Loaded() && text.empty()) {
        return;
    }
    PrintAt(printer, kPictureLeft, text);
    if (qr.Loaded()) {
        printer.PaintPicture(qr, kPictureLeft, printer.CurrentY(), kPictureWidth,
                             PictureHeight(qr));
    } else {
        // No picture chosen: the code is made from the text, where the picture would be.
        printer.PrintQrCode(text, kPictureLeft, printer.CurrentY(), kPictureWidth);
    }
}

}  // namespace vantor
