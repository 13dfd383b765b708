// "Fichier" > "Editer fichier" > "Fichier Articles": the article file opened in
// the application the desktop associates with CSV files.
#include "data/CatalogueFiles.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "platform/FileSystem.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr const char* kFichierTemporaire = "tempcsv.csv";

// Asks the desktop which application opens a CSV file, with a scratch file
// of that type that is deleted right after; "" when none does. The scratch
// file is always a new file of its own: a symbolic link of that name is
// removed, never written through. A scratch file that cannot be written (a
// full disk) is told first, so that it is not taken for a missing
// application; the search then finds nothing.
std::string ChercherAppliCSV(Platform& platform, const std::string& dataPath) {
    const std::string temp = JoinPath(dataPath, kFichierTemporaire);
    try {
        WriteScratchFile(temp, "\"1;2;3;4\"\r\n");
    } catch (const FileError& error) {
        platform.ui.MsgBox(error.what(), vbCritical);
        return "";
    }
    const std::string application = Trim(platform.shell.AssociatedApplication(temp));
    Files().Remove(temp);
    return application;
}

}  // namespace

void frmMain::mnuFArticles_Click() {
    if (!Autoriser(Action::EditerFichier)) {
        return;
    }
    const std::string chemin = data_.File(kArticlesFile);
    if (!FileExists(chemin)) {
        return;
    }
    if (platform_.ui.MsgBox("Le programme va s'arrêter et devra être relancé après "
                            "modifications du fichier, continuer ?",
                            vbYesNo + vbDefaultButton2) != vbYes) {
        return;
    }
    OuvrirFichierCSV(chemin);
    // The articles are read only at start-up: the program ends at once, open
    // tables included, and is started again after the editing.
    Close();
}

void frmMain::OuvrirFichierCSV(const std::string& chemin) {
    if (!FileExists(chemin)) {
        platform_.ui.MsgBox("Le fichier '" + chemin + "' n'a pas été trouvé", vbCritical);
    }
    if (appliCSV_.empty()) {
        appliCSV_ = ChercherAppliCSV(platform_, data_.DataPath);
    }
    if (appliCSV_.empty()) {
        platform_.ui.MsgBox("Aucune application n'est associée avec les fichiers CSV",
                            vbExclamation, "Erreur d'ouverture");
        return;
    }
    // The path is one argument, spaces and all.
    std::string error;
    if (!platform_.shell.Start(appliCSV_, {chemin}, error)) {
        platform_.ui.MsgBox(error, vbExclamation, "Ouverture CSV");
    }
}

}  // namespace vantor
