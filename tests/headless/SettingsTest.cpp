// The settings store of the build without Qt: what it keeps, and the file it
// shares with the Qt build's store.
#include <gtest/gtest.h>

#include "headless/IniSettings.h"
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

}  // namespace
}  // namespace vantor::test
