// The reports' buttons of the window in a headless run that draws: "Exporter
// en PDF" writes the report on screen where the save dialog says, as
// `vantor report ... --pdf` lays it out; a place that cannot be written is
// told with its reason; "Graphiques" draws the charts into its picture and
// prints them on a page.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "pdf/PdfTools.h"
#include "support/HeadlessTill.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

class WindowPdf : public ::testing::Test {
protected:
    WindowPdf() {
        till.Write("Infos.txt",
                   "Caf\xE9 du Port\r\nQuai 1\r\n1000 Lausanne\r\n\r\n\r\n10\r\n5.5\r\n");
        till.Write("tickets.csv",
                   "01.12.2026;9:00:00;Paul;10.40;1;Esp;1;1.04\r\n"
                   "01.12.2026;9:30:00;Paul;4.5;2;Cart;2;0.2475\r\n"
                   "03.12.2026;12:00:00;Paul;7;0;Esp;1;0.7\r\n");
        till.SetEnvironment("HOME", home.Path());
    }
    TillRun Run(const std::string& script) const {
        return till.Run("clock 05.12.2026 18:00:00\n" + script, {"--pdf-dir", out / "imprimé"});
    }
    HeadlessTill till;
    TempDir home;
    TempDir out;
};

const std::string kTotaux =
    "click optPrint 1\ndate DTPicker1 01.12.2026\ndate DTPicker2 05.12.2026\nclick cmdX\n";

TEST_F(WindowPdf, TheReportOnScreenGoesWhereTheDialogSaysAsTheCommandLaysItOut) {
    const std::string pdf = out / "totaux.pdf";
    const TillRun run = Run(kTotaux + "click cmdPdf\nanswer \"" + pdf + "\"\nanswer ok\n");
    EXPECT_EQ(LinesStartingWith(run.out, "savefile"),
              std::vector<std::string>{"savefile \"Exporter en PDF\" \"" +
                                       (home / "Totaux 01.12.2026-05.12.2026.pdf") +
                                       "\" \"PDF (*.pdf)\""});
    EXPECT_EQ(Boxes(run), std::vector<std::string>{
                              "msgbox information ok \"Vantor\" \"PDF écrit : " + pdf + "\""});
    const std::string command = out / "commande.pdf";
    const TillRun saved =
        RunVantor({"report", "totaux", "--du", "01.12.2026", "--au", "05.12.2026", "--today",
                   "05.12.2026", "--data-dir", till.Folder(), "--pdf", command},
                  "");
    ASSERT_EQ(saved.status, 0) << saved.err;
    const std::string text = PdfText(pdf);
    EXPECT_EQ(text, PdfText(command));
    EXPECT_TRUE(std::regex_search(text, std::regex("Café du Port")));
    EXPECT_TRUE(std::regex_search(text, std::regex("du 01.12.2026 au 05.12.2026")));
}

// The Z of a day closed at the start (the past days close by themselves):
// shown by "Z d'un jour clos" for the first date of the journals, saved as
// `vantor report z` of that day saves it; a day without closure is told.
TEST_F(WindowPdf, TheZOfAClosedDayIsSavedAsTheCommandSavesIt) {
    const std::string pdf = out / "z.pdf";
    const TillRun run =
        Run("click optPrint 2\ndate DTPicker4 05.12.2026\nclick cmdZCloture\nanswer ok\n"
            "date DTPicker4 01.12.2026\nclick cmdZCloture\nclick cmdPdf\nanswer \"" +
            pdf + "\"\nanswer ok\n");
    EXPECT_EQ(LinesStartingWith(run.out, "savefile"),
              std::vector<std::string>{"savefile \"Exporter en PDF\" \"" +
                                       (home / "Rapport Z 01.12.2026.pdf") + "\" \"PDF (*.pdf)\""});
    EXPECT_EQ(Boxes(run), (std::vector<std::string>{
                              "msgbox exclamation ok \"Vantor\" \"Aucune clôture du jour pour le "
                              "05.12.2026\"",
                              "msgbox information ok \"Vantor\" \"PDF écrit : " + pdf + "\""}));
    const std::string command = out / "commande.pdf";
    const TillRun saved = RunVantor({"report", "z", "--du", "01.12.2026", "--today", "05.12.2026",
                                     "--data-dir", till.Folder(), "--pdf", command},
                                    "");
    ASSERT_EQ(saved.status, 0) << saved.err;
    const std::string text = PdfText(pdf);
    EXPECT_EQ(text, PdfText(command));
    EXPECT_TRUE(std::regex_search(text, std::regex("Rapport Z"))) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex("10.40"))) << text;
}

TEST_F(WindowPdf, APlaceThatCannotBeWrittenIsToldAndACancelWritesNothing) {
    WriteRaw(out / "fichier", "");
    const std::string pdf = out / "fichier/totaux.pdf";
    const TillRun run = Run(kTotaux + "click cmdPdf\nanswer \"" + pdf +
                            "\"\nanswer ok\nclick cmdPdf\nanswer cancel\nclick optPrint 2\n"
                            "click cmdPdf\nanswer ok\n");
    const std::vector<std::string> boxes = Boxes(run);
    ASSERT_EQ(boxes.size(), 2U) << run.out;
    EXPECT_TRUE(boxes[0].starts_with("msgbox critical ok \"Vantor\" \"PDF non écrit : "))
        << boxes[0];
    EXPECT_NE(boxes[0].find(pdf), std::string::npos) << boxes[0];
    EXPECT_EQ(boxes[1],
              "msgbox exclamation ok \"Vantor\" \"Aucun rapport à l'écran : générez "
              "d'abord le rapport à exporter.\"");
    EXPECT_EQ(LinesStartingWith(run.out, "savefile").size(), 2U);
    EXPECT_FALSE(fs::exists(pdf));
    EXPECT_TRUE(fs::is_empty(home.Path()));
}

TEST_F(WindowPdf, TheChartsAreDrawnInTheirPictureAndPrintedOnAPage) {
    const TillRun run =
        Run(kTotaux +
            "click cmdGraphiques\nshow picGraphiques.PictureWidth\n"
            "show picGraphiques.PictureHeight\nclick cmdImprimer\nclick cmdFermer\n");
    EXPECT_EQ(Shows(run), (std::vector<std::string>{"show picGraphiques.PictureWidth 1024",
                                                    "show picGraphiques.PictureHeight 640"}));
    EXPECT_EQ(LinesStartingWith(run.out, "print picture").size(), 1U) << run.out;
    const std::string printed = out / "imprimé/001-Vantor PDF.pdf";
    ASSERT_TRUE(fs::exists(printed)) << run.out;
    EXPECT_TRUE(std::regex_search(PdfTool("pdfinfo", printed), std::regex("\nPages: +1\n")));
    // The picture's scratch file goes with the window.
    for (const auto& entry : fs::directory_iterator(till.Folder())) {
        EXPECT_FALSE(entry.path().filename().string().starts_with("graphiques")) << entry.path();
    }
}

}  // namespace
}  // namespace vantor::test
