// The image chooser of the settings dialog: a panel with the drives, the
// folders and the "*.bmp" files, shown while a logo or QR picture is chosen.
#include "admin/Folders.h"
#include "admin/frmInfos.h"
#include "data/TextFile.h"

namespace vantor {

void frmInfos::cmdAddImg_Click(int index) {
    imageChoisie_ = index;
    const std::string folder =
        DossierDeDepart(Get(index == 0 ? "imgLogo" : "imgQR").tag, platform_.folders);
    Control& drives = Get("Drive1");
    drives.items = platform_.folders.Drives();  // the system's own first
    const std::string drive = LecteurDe(folder, drives.items);
    for (int i = 0; i < drives.ListCount(); ++i) {
        if (drives.items[static_cast<std::size_t>(i)] == drive) {
            drives.listIndex = i;
            drives.text = drive;
        }
    }
    drives.path = drive;
    ShowFolder(folder);
    Get("lblFile").caption.clear();
    Get("fraFiles").visible = true;
}

void frmInfos::ShowFolder(const std::string& folder) {
    const FolderList list = ListeDossiers(folder);
    Control& dirs = Get("Dir1");
    dirs.items = list.items;
    dirs.listIndex = list.current;
    dirPaths_ = list.paths;
    dirs.path = list.current >= 0 ? list.paths[static_cast<std::size_t>(list.current)] : folder;
    Control& files = Get("File1");
    files.path = dirs.path;
    files.items = ListeFichiers(files.path, files.pattern);
    files.listIndex = -1;
}

void frmInfos::Drive1_Change() {
    Control& drives = Get("Drive1");
    drives.path = drives.SelectedText();
    ShowFolder(drives.path);
}

void frmInfos::Dir1_Change() {
    const int chosen = Get("Dir1").listIndex;
    if (chosen >= 0 && chosen < static_cast<int>(dirPaths_.size())) {
        ShowFolder(dirPaths_[static_cast<std::size_t>(chosen)]);
    }
}

void frmInfos::File1_Click() {
    const Control& files = Get("File1");
    if (files.listIndex >= 0) {
        Get("lblFile").caption = JoinPath(Get("Dir1").path, files.SelectedText());
    }
}

void frmInfos::cmdLoadImg_Click() {
    Control& target = Get(imageChoisie_ != 0 ? "imgQR" : "imgLogo");
    const std::string& chosen = Get("lblFile").caption;
    if (!chosen.empty() && FileExists(chosen)) {
        if (const std::string refusal = LoadPreview(target, chosen); !refusal.empty()) {
            platform_.ui.MsgBox(refusal, vbExclamation);
        }
    }
    Get("fraFiles").visible = false;
}

void frmInfos::cmdUndoFiles_Click() {
    Get("fraFiles").visible = false;
}

}  // namespace vantor
