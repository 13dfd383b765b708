// The two settings stores keep the remembered data folder in one file: the
// Qt build's (QSettings) and the one of the build without Qt (IniSettings)
// each read what the other wrote.
#include <gtest/gtest.h>

#include <QSettings>

#include "gui/Convert.h"
#include "gui/QtSettings.h"
#include "headless/IniSettings.h"
#include "startup/Startup.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// Folders as a café's owner may name them, and what an escape must survive.
const std::string kValues[] = {
    "/srv/Mes données",
    "/home/zoé/Caisse du Café",
    "C:\\Caisse\\Données",
    "café; thé, \"chocolat\"",
    "/srv/Caisse; bar",
    "/srv/Caisse, bar",
    " espaces autour ",
    "@adresse",
    "@@deux",
    "ligne\nsuivante\ttab",
    "a=b",
    "Œuvre à 5 €",
    "",
};

// The Qt store writing under dir, as it does under $XDG_CONFIG_HOME.
void QtStoreUnder(const TempDir& dir) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ToQString(dir.Path()));
}

std::string SharedFile(const TempDir& dir) {
    return dir / "Telvora/VantorW.conf";
}

TEST(SharedSettings, WhatTheQtStoreWritesTheOtherReads) {
    for (const std::string& value : kValues) {
        TempDir dir;
        QtStoreUnder(dir);
        ASSERT_TRUE(QtSettings().Write(kDataPathKey, value)) << value;
        EXPECT_EQ(IniSettings(SharedFile(dir)).Read(kDataPathKey), value) << value << "\n"
                                                                          << Slurp(SharedFile(dir));
    }
}

TEST(SharedSettings, WhatTheOtherStoreWritesTheQtStoreReads) {
    for (const std::string& value : kValues) {
        TempDir dir;
        QtStoreUnder(dir);
        ASSERT_TRUE(IniSettings(SharedFile(dir)).Write(kDataPathKey, value)) << value;
        EXPECT_EQ(QtSettings().Read(kDataPathKey), value) << value << "\n"
                                                          << Slurp(SharedFile(dir));
    }
}

}  // namespace
}  // namespace vantor::test
