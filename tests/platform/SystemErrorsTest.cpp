// The system's reasons as the user reads them: in French, whatever the error,
// from the data folder chosen at start to the data files.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "data/SystemErrors.h"
#include "platform/Paths.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

// The C library's own text of every error number, in the locale of the tests
// (English): none of them may reach the user as it is.
TEST(SystemErrors, NoErrorNumberIsShownInTheLibrarysEnglish) {
    for (int error = 1; error < 200; ++error) {
        SCOPED_TRACE(error);
        const std::string text = SystemErrorText(error);
        EXPECT_NE(text, std::strerror(error));
        EXPECT_FALSE(text.empty());
    }
}

// Rows: the errno value, and the words the user reads.
const struct {
    int error;
    const char* text;
} kTexts[] = {
    {ENOSPC, "plus de place sur le disque"},
    {EACCES, "permission refusée"},
    {EROFS, "disque en lecture seule"},
    {ENOENT, "fichier ou dossier introuvable"},
    {ENOTDIR, "le chemin passe par un fichier qui n'est pas un dossier"},
    {ENAMETOOLONG, "nom de fichier trop long"},
    {ELOOP, "trop de liens symboliques à suivre (une boucle de liens ?)"},
    {EEXIST, "le fichier existe déjà"},
    {EMFILE, "trop de fichiers ouverts par Vantor"},
    {EXDEV, "déplacement impossible d'un disque à un autre"},
    {EWOULDBLOCK, "ressource momentanément indisponible"},
    {EOPNOTSUPP, "opération non prise en charge par ce disque"},
    {0x7FFF, "erreur système n° 32767"},  // no system has it: the number is told
    {-1, "erreur système n° -1"},
};

TEST(SystemErrors, EachErrorHasItsFrenchWordsAndAnUnknownOneItsNumber) {
    for (const auto& row : kTexts) {
        EXPECT_EQ(SystemErrorText(row.error), row.text) << row.error;
    }
    EXPECT_EQ(SystemErrorText(std::make_error_code(std::errc::filename_too_long)),
              "nom de fichier trop long");
#ifndef _WIN32  // there the system's numbers are Windows's own, not errno values
    EXPECT_EQ(SystemErrorText(std::error_code(ENOSPC, std::system_category())),
              "plus de place sur le disque");
#endif
    EXPECT_EQ(SystemErrorText(std::error_code(7, std::iostream_category())), "erreur système n° 7");
}

#ifndef _WIN32
// A data folder given on the command line that cannot be made: the start-up
// box says why, in French. Windows knows no symbolic link a test can make
// without rights, and no path under a file (it finds no such path).
TEST(SystemErrors, ADataFolderThatCannotBeMadeIsToldInFrench) {
    TempDir dir;
    WriteRaw(dir / "fichier", "x");
    fs::create_symlink("boucle", ToPath(dir / "boucle"));
    const struct {
        std::string folder;
        const char* reason;
    } rows[] = {
        {dir / "fichier/caisse", "le chemin passe par un fichier qui n'est pas un dossier"},
        {dir / std::string(300, 'n'), "nom de fichier trop long"},
        {dir / "boucle/caisse", "trop de liens symboliques à suivre (une boucle de liens ?)"},
    };
    for (const auto& row : rows) {
        const TillRun run = RunVantor({"--headless", "--data-dir", row.folder}, "");
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.out.find("msgbox critical ok \"Vantor pour Windows\" \"Le dossier de "
                               "données \\\"" +
                               row.folder + "\\\" ne peut pas être utilisé : " + row.reason + "."),
                  std::string::npos)
            << run.out << run.err;
    }
}
#endif

}  // namespace
}  // namespace vantor::test
