#include "printing/TestReceipt.h"

#include "platform/Printer.h"

namespace vantor {

namespace {

// Restores the current printer however the printing ends.
class PrinterSwitch {
public:
    PrinterSwitch(Printers& printers, const std::string& name)
        : printers_(printers), previous_(printers.Current()) {
        printers_.Choose(name);
    }
    ~PrinterSwitch() { printers_.Choose(previous_); }
    PrinterSwitch(const PrinterSwitch&) = delete;
    PrinterSwitch& operator=(const PrinterSwitch&) = delete;

private:
    Printers& printers_;
    std::string previous_;
};

std::string Ruler(int columns, bool tens) {
    std::string ruler;
    for (int column = 1; column <= columns; ++column) {
        const char digit = static_cast<char>('0' + (tens ? column / 10 % 10 : column % 10));
        ruler += tens && column % 10 != 0 ? ' ' : digit;
    }
    return ruler;
}

}  // namespace

void PrintTestReceipt(Printers& printers, const std::string& printer, const InfosRecord& infos) {
    PrinterSwitch chosen(printers, printer);
    Printer page(printers);
    page.SetFontBold(true);
    page.SetFontSize(12);
    for (InfoField field : {NomCommerce, Adresse, Localite, Telephone}) {
        if (!infos[field].empty()) {
            page.Print(infos[field]);
        }
    }
    page.Print("Ticket de test");
    page.SetFontBold(false);
    for (const char* line :
         {"àâäçéèêëîïôöùûüÿ æœ", "ÀÂÄÇÉÈÊËÎÏÔÖÙÛÜŸ ÆŒ", "€ 12.50  « » ° ²", ""}) {
        page.Print(line);
    }
    const ReceiptPaper& paper = printers.Paper();
    const int columns = paper.Columns();
    page.Print("Papier " + std::to_string(paper.widthMm) + " mm : " + std::to_string(columns) +
               " colonnes");
    page.Print(Ruler(columns, true));
    page.Print(Ruler(columns, false));
    page.PrintQrCode("Vantor : ticket de test", 0, page.CurrentY(), 2500);
    page.EndDoc();
    printers.OpenDrawer(printers.Current());
}

}  // namespace vantor
