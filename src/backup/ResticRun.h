#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FolderLock.h"
#include "platform/Programs.h"

namespace vantor {

// One restic command on a repository, and what went wrong with it in the
// owner's words.
struct ResticReply {
    bool ok = false;
    // restic missing, the password absent or refused, no repository: the
    // destination is unusable as set, whatever the backup.
    bool unusable = false;
    std::string out;      // restic's standard output (JSON lines with --json)
    std::string problem;  // in French, when not ok
};

// restic COMMAND --repo REPOSITORY ARGUMENTS..., run in folder ("" for ours);
// the password from passwordFile when one is given, else from restic's own
// variables.
ResticReply RunRestic(Programs& programs, const std::string& repository, const std::string& command,
                      const std::vector<std::string>& arguments, const std::string& folder = "",
                      const std::string& passwordFile = "");

// A folder of its own in the system's temporary folder, the user's alone,
// removed with all it holds when this goes; Path() is "" when it could not
// be made. It is locked while it lives: the folders that a backup killed with
// the till left behind (a copy of the data folder, a password) are no one's
// lock, and the next one made removes them.
class ScratchFolder {
public:
    // "vantor-restic-" PURPOSE "-" and a number.
    explicit ScratchFolder(const std::string& purpose);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }
    // A new file "NAME-" and six letters in it, the owner's alone from its
    // first byte; its path, or "" when it could not be written.
    std::string WritePrivate(const std::string& name, std::string_view bytes) const;

private:
    std::string path_;
    std::unique_ptr<FolderLock> lock_;
};

// The scratch folders of base that no living backup holds, removed; those
// made in the last minute are left, their maker not having locked them yet.
// How many were removed.
int RemoveAbandonedScratchFolders(const std::string& base);

}  // namespace vantor
