// The settings dialog: Infos.txt rewritten with its 17 lines by "OK", the
// printers, the VAT mode and the keyboard option; nothing kept by "Annuler".
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// Field 15 is never shown; it must come back unchanged.
const std::string kInfos =
    "Caf\xE9 du Port\r\nQuai 3\r\nS\xE8te\r\n04 67 00 00 00\r\nFR123\r\n10\r\n5.5\r\n\r\n\r\n"
    "1\r\nMerci !\r\nSuivez-nous\r\nCaisse\r\nCuisine\r\n0\r\nr\xE9serv\xE9\r\nCHF\r\n";
const std::string kPrinters = "printers \"Caisse\" \"Cuisine\" \"Bureau\"\n";

class Settings : public ::testing::Test {
protected:
    std::string Run(const std::string& script) {
        TillRun run = RunScript(data_.Path(), script);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
    std::string Infos() const { return Slurp(data_ / "Infos.txt"); }

    TempDir data_;
};

TEST_F(Settings, TheDialogShowsEverySetting) {
    WriteRaw(data_ / "Infos.txt", kInfos);
    const std::string out = Run(kPrinters +
                                "click mnuInfos\nshow txtInfo 0\nshow txtInfo 2\nshow txtInfo 6\n"
                                "show cmbTVA\nshow txtInfo 9\nshow txtInfo.ToolTipText 9\n"
                                "show txtInfo 7\nshow txtInfo 8\nshow cmbPrinters.List\n"
                                "show cmbPrinters\nshow cmbPrinters2\nshow chkClavier\n"
                                "show frmInfos.Width\nshow fraFiles.Visible\nshow fraFiles.Left\n"
                                "show txtInfo.MaxLength 4\nclick cmdUndo\n");
    EXPECT_EXPECTED("Settings-TheDialogShowsEverySetting.txt", out);
    EXPECT_EQ(Infos(), kInfos) << "\"Annuler\" writes nothing";
}

TEST_F(Settings, OkWithoutChangeWritesTheSameSeventeenLines) {
    WriteRaw(data_ / "Infos.txt", kInfos);
    Run(kPrinters + "click mnuInfos\nclick cmdOK\n");
    EXPECT_EQ(Infos(), kInfos);
}

TEST_F(Settings, OkCopiesTheDialogIntoTheSettingsAndTheSalesScreen) {
    WriteRaw(data_ / "Infos.txt", kInfos);
    const std::string out =
        Run(kPrinters +
            "click mnuInfos\ntype txtInfo 0 \"Le Grand Caf\xC3\xA9 de la Place du March\xC3\xA9\"\n"
            "type txtInfo 5 \"8.1\"\nchoose cmbTVA 2\ntype txtInfo 7 \"A bient\xC3\xB4t\"\n"
            "type txtInfo 8 \"Avis\"\ntype txtInfo 9 \"\xE2\x82\xAC\"\nchoose cmbPrinters 2\n"
            "choose cmbPrinters2 0\nclick chkClavier\nclick cmdOK\nshow txtNote\nshow txtQR\n"
            "show Printer\nshow Infos 0\n");
    EXPECT_EXPECTED("Settings-OkCopiesTheDialogIntoTheSettingsAndTheSalesScreen.txt", out);
    EXPECT_EQ(
        Infos(),
        "Le Grand Caf\xE9 de la Place\r\nQuai 3\r\nS\xE8te\r\n04 67 00 00 00\r\nFR123\r\n8.1\r\n"
        "5.5\r\n\r\n\r\n2\r\nA bient\xF4t\r\nAvis\r\nBureau\r\nCaisse\r\n1\r\nr\xE9serv\xE9\r\n"
        "\x80\r\n");
}

TEST_F(Settings, AFirstOkWritesSeventeenLinesAndPreselectsTheCurrentPrinter) {
    const std::string out = Run(kPrinters +
                                "click mnuInfos\nshow cmbPrinters\nshow cmbPrinters2.ListIndex\n"
                                "show cmbTVA.ListIndex\nshow txtInfo 9\nclick cmdOK\n");
    EXPECT_EXPECTED("Settings-AFirstOkWritesSeventeenLinesAndPreselectsTheCurrentPrinter.txt", out);
    EXPECT_EQ(Infos(),
              "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n-1\r\n\r\n\r\nCaisse\r\n\r\n0\r\n\r\n\x80\r\n");
}

TEST_F(Settings, AKitchenPrinterEqualToTheReceiptPrinterIsSavedEmpty) {
    WriteRaw(data_ / "Infos.txt", kInfos);
    Run(kPrinters + "click mnuInfos\nchoose cmbPrinters2 0\nclick cmdOK\n");
    std::string expected = kInfos;
    const std::string both = "Caisse\r\nCuisine\r\n";
    expected.replace(expected.find(both), both.size(), "Caisse\r\n\r\n");
    EXPECT_EQ(Infos(), expected);
}

TEST_F(Settings, OddStoredValuesLeaveTheListsWithoutSelection) {
    WriteRaw(data_ / "Infos.txt",
             "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n7\r\n\r\n\r\nAncienne\r\nDisparue\r\noui\r\n");
    const std::string out =
        Run(kPrinters +
            "click mnuInfos\nshow cmbTVA.ListIndex\nshow cmbPrinters.ListIndex\n"
            "show cmbPrinters2.ListIndex\nshow chkClavier\nclick cmdOK\n");
    EXPECT_EXPECTED("Settings-OddStoredValuesLeaveTheListsWithoutSelection.txt", out);
    EXPECT_EQ(Infos(),
              "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n-1\r\n\r\n\r\n\r\n\r\n0\r\n\r\n\x80\r\n");
}

TEST_F(Settings, TheKeyboardOptionOpensTheKeyboardWithTheDialog) {
    WriteRaw(data_ / "Infos.txt", std::string(14, '\n') + "1\n");
    const std::string out = Run("click mnuInfos\nshow chkClavier\nclick chkClavier\nclick cmdOK\n");
    EXPECT_EXPECTED("Settings-TheKeyboardOptionOpensTheKeyboardWithTheDialog.txt", out);
    EXPECT_NE(Infos().find("\r\n0\r\n\r\n\x80\r\n"), std::string::npos) << "unticked: 0";
}

}  // namespace
}  // namespace vantor::test
