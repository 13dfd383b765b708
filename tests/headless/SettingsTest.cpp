// The settings store of the build without Qt: what it keeps, and the file it
// shares with the Qt build's store.
#include <gtest/gtest.h>

#include <filesystem>

#include "headless/IniSettings.h"
#include "startup/Startup.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

TEST(IniSettings, ValuesComeBackAsWritten) {
    const std::string values[] = {"/srv/Mes données",
                                  "C:\\Caisse\\Données",
                                  "café; thé, \"chocolat\"",
                                  " espaces autour ",
                                  "@adresse",
                                  "ligne\nsuivante\ttab",
                                  "a=b",
                                  ""};
    for (const std::string& value : values) {
        TempDir dir;
        IniSettings settings(dir / "Telvora/VantorW.conf");
        ASSERT_TRUE(settings.Write("Settings/DataPath", value)) << value;
        EXPECT_EQ(IniSettings(dir / "Telvora/VantorW.conf").Read("Settings/DataPath"), value)
            << value;
    }
}

TEST(IniSettings, ReadsAndUpdatesAFileWrittenElsewhere) {
    TempDir dir;
    WriteRaw(dir / "VantorW.conf",
             "[General]\nTheme=sombre\n\n[Settings]\nDataPath=\"/srv/caf\\xe9; bar\"\n"
             "Taille = 12 \n\n[Fenetre]\nx=3\n");
    IniSettings settings(dir / "VantorW.conf");
    EXPECT_EQ(settings.Read("Settings/DataPath"), "/srv/café; bar");
    EXPECT_EQ(settings.Read("Settings/Taille"), "12");
    EXPECT_EQ(settings.Read("Theme"), "sombre");
    EXPECT_EQ(settings.Read("Fenetre/DataPath"), "");
    EXPECT_EQ(settings.Read("Settings/Absent"), "");

    ASSERT_TRUE(settings.Write("Settings/DataPath", "/srv/neuf"));
    ASSERT_TRUE(settings.Write("Settings/Langue", "fr"));
    ASSERT_TRUE(settings.Write("Autre/Cle", "1"));
    EXPECT_EQ(Slurp(dir / "VantorW.conf"),
              "[General]\nTheme=sombre\n\n[Settings]\nDataPath=/srv/neuf\nTaille = 12 \n"
              "Langue=fr\n\n[Fenetre]\nx=3\n\n[Autre]\nCle=1\n");
}

TEST(IniSettings, AMissingFileReadsEmptyAndAnUnwritableOneRefusesTheWrite) {
    TempDir dir;
    EXPECT_EQ(IniSettings(dir / "absent/VantorW.conf").Read("Settings/DataPath"), "");
    WriteRaw(dir / "fichier", "x");
    EXPECT_FALSE(IniSettings(dir / "fichier/VantorW.conf").Write("Settings/DataPath", "/srv"));
}

// The real program (its window's build keeps its settings with QSettings) and
// this store share the remembered data folder in the user's configuration
// folder: each finds the folder the other remembered, accents and all
// (tests/gui/SettingsTest holds the harder values).
TEST(IniSettings, SharesTheRememberedFolderWithTheProgram) {
#ifdef _WIN32
    GTEST_SKIP() << kNoTestAccountOnWindows;
#endif
    TempDir home;
    const std::string configuration = home / "réglages";
    const std::string shared = home / "données, partagées";
    const std::map<std::string, std::string> user = {
        {"HOME", home / "compte"}, {"XDG_CONFIG_HOME", configuration}, {"XDG_DATA_HOME", shared}};
    IniSettings settings(configuration + "/Telvora/VantorW.conf");

    // The first start chooses the folder and remembers it.
    // (declining the restore a first start offers)
    TillRun run = RunVantor({"--headless"}, "answer no\nshow DataPath\n", user);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(settings.Read(kDataPathKey), shared + "/VantorW");

    // A folder remembered here is the one the program reads.
    const std::string caisse = home / "Caisse du Café; bar";
    std::filesystem::create_directories(std::filesystem::u8path(caisse));
    WriteRaw(caisse + "/tickets.csv", "01.12.2026;9:00:00;Paul;8;0;Cart;1;0.8\r\n");
    ASSERT_TRUE(settings.Write(kDataPathKey, caisse));
    run = RunVantor({"report", "resume", "--du", "01.12.2026", "--au", "01.12.2026"}, "", user);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("   Encaissement cartes :      8.00\n"), std::string::npos) << run.out;
    run = RunVantor({"--headless"}, "clock 01.12.2026 10:00:00\nshow DataPath\n", user);
    EXPECT_NE(run.out.find("show DataPath \"" + caisse + "\""), std::string::npos) << run.out;
}

}  // namespace
}  // namespace vantor::test
