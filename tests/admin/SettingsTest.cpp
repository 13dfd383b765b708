// The settings dialog: Infos.txt rewritten with its 17 lines by "OK", the
// printers, the VAT mode and the keyboard option; nothing kept by "Annuler".
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

// Field 15 is never shown; it must come back unchanged.
const std::string kInfos =
    "Caf\xE9 du Port\r\nQuai 3\r\nS\xE8te\r\n04 67 00 00 00\r\nFR123\r\n10\r\n5.5\r\n\r\n\r\n"
    "1\r\nMerci !\r\nSuivez-nous\r\nCaisse\r\nCuisine\r\n0\r\nr\xE9serv\xE9\r\nCHF\r\n";
const std::string kPrinters = "printers \"Caisse\" \"Cuisine\" \"Bureau\"\n";

const std::vector<std::string> kWritten = {"Infos.txt"};

TEST(Settings, Dialog) {
    const std::vector<std::pair<std::string, std::string>> infos = {{"Infos.txt", kInfos}};
    ExpectTranscripts({
        // Every setting is shown; "Annuler" writes nothing.
        {"Settings-Shown",
         kPrinters + "click mnuInfos\nshow txtInfo 0\nshow txtInfo 2\nshow txtInfo 6\nshow cmbTVA\n"
                     "show txtInfo 9\nshow txtInfo.ToolTipText 9\nshow txtInfo 7\nshow txtInfo 8\n"
                     "show cmbPrinters.List\nshow cmbPrinters\nshow cmbPrinters2\nshow chkClavier\n"
                     "show frmInfos.Width\nshow fraFiles.Visible\nshow fraFiles.Left\n"
                     "show txtInfo.MaxLength 4\nclick cmdUndo\n",
         infos},
        // "OK" copies the dialog into the settings and the sales screen.
        {"Settings-Ok",
         kPrinters +
             "click mnuInfos\ntype txtInfo 0 \"Le Grand Caf\xC3\xA9 de la Place du "
             "March\xC3\xA9\"\n"
             "type txtInfo 5 \"8.1\"\nchoose cmbTVA 2\ntype txtInfo 7 \"A bient\xC3\xB4t\"\n"
             "type txtInfo 8 \"Avis\"\ntype txtInfo 9 \"\xE2\x82\xAC\"\nchoose cmbPrinters 2\n"
             "choose cmbPrinters2 0\nclick chkClavier\nclick cmdOK\nshow txtNote\nshow txtQR\n"
             "show Printer\nshow Infos 0\n",
         infos, kWritten},
        // A first "OK" writes seventeen lines and preselects the current printer.
        {"Settings-First",
         kPrinters + "click mnuInfos\nshow cmbPrinters\nshow cmbPrinters2.ListIndex\n"
                     "show cmbTVA.ListIndex\nshow txtInfo 9\nclick cmdOK\n",
         {},
         kWritten},
        // A kitchen printer equal to the receipt printer is saved empty.
        {"Settings-SamePrinters",
         kPrinters + "click mnuInfos\nchoose cmbPrinters2 0\nclick cmdOK\n", infos, kWritten},
        // Odd stored values leave the lists without selection.
        {"Settings-Odd",
         kPrinters + "click mnuInfos\nshow cmbTVA.ListIndex\nshow cmbPrinters.ListIndex\n"
                     "show cmbPrinters2.ListIndex\nshow chkClavier\nclick cmdOK\n",
         {{"Infos.txt",
           "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n7\r\n\r\n\r\nAncienne\r\nDisparue\r\noui\r\n"}},
         kWritten},
        // The keyboard option opens the keyboard with the dialog; unticked: 0.
        {"Settings-Keyboard",
         "click mnuInfos\nshow chkClavier\nclick chkClavier\nclick cmdOK\n",
         {{"Infos.txt", std::string(14, '\n') + "1\n"}},
         kWritten},
    });
}

// "Annuler" and "OK" without a change keep the file's bytes.
TEST(Settings, NoChangeKeepsTheBytes) {
    TempDir data;
    WriteRaw(data / "Infos.txt", kInfos);
    RunScript(data.Path(), kPrinters + "click mnuInfos\nclick cmdUndo\n");
    EXPECT_EQ(Slurp(data / "Infos.txt"), kInfos);
    RunScript(data.Path(), kPrinters + "click mnuInfos\nclick cmdOK\n");
    EXPECT_EQ(Slurp(data / "Infos.txt"), kInfos);
}

}  // namespace
}  // namespace vantor::test
