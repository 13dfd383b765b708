#include "backup/ResticRun.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "data/TextFile.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace vantor {

namespace {

namespace fs = std::filesystem;

// "vantor-restic-copie-123456789" and the like.
const std::string kScratchPrefix = "vantor-restic-";

bool HasResticPassword() {
    for (const char* name :
         {"RESTIC_PASSWORD", "RESTIC_PASSWORD_FILE", "RESTIC_PASSWORD_COMMAND"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

// restic's first "Fatal:" line, or its last line, for what it said itself.
std::string ResticWords(const std::string& err) {
    std::string last;
    std::size_t start = 0;
    while (start < err.size()) {
        const std::size_t end = std::min(err.find('\n', start), err.size());
        const std::string line = err.substr(start, end - start);
        if (line.starts_with("Fatal: ")) {
            return line.substr(7);
        }
        if (!line.empty()) {
            last = line;
        }
        start = end + 1;
    }
    return last;
}

ResticReply Unusable(std::string problem) {
    ResticReply reply;
    reply.unusable = true;
    reply.problem = std::move(problem);
    return reply;
}

}  // namespace

ResticReply RunRestic(Programs& programs, const std::string& repository, const std::string& command,
                      const std::vector<std::string>& arguments, const std::string& folder,
                      const std::string& passwordFile) {
    if (passwordFile.empty() && !HasResticPassword()) {
        return Unusable("Mot de passe du dépôt restic " + repository +
                        " absent : donnez-le par RESTIC_PASSWORD ou RESTIC_PASSWORD_FILE");
    }
    std::vector<std::string> words{command, "--repo", repository};
    if (!passwordFile.empty()) {
        words.insert(words.end(), {"--password-file", passwordFile});
    }
    words.insert(words.end(), arguments.begin(), arguments.end());
    const ProgramOutput run = programs.Run("restic", words, folder);
    if (!run.started) {
        return Unusable(
            "restic n'est pas installé sur cet ordinateur (paquet Debian « restic ») : " +
            run.notStarted);
    }
    ResticReply reply;
    reply.out = run.out;
    if (run.exitCode == 0) {
        reply.ok = true;
        return reply;
    }
    if (run.err.find("wrong password") != std::string::npos) {
        return Unusable("Mot de passe du dépôt restic " + repository + " refusé");
    }
    if (run.err.find("Is there a repository") != std::string::npos) {
        return Unusable("Dépôt restic introuvable : " + repository +
                        " (à créer une fois avec « restic init »)");
    }
    reply.problem =
        "restic " + command + " a échoué sur " + repository + " : " + ResticWords(run.err);
    return reply;
}

ScratchFolder::ScratchFolder(const std::string& purpose) {
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) {
        return;
    }
    RemoveAbandonedScratchFolders(FromPath(base));
    std::random_device seed;
    for (int tries = 0; tries < 16; ++tries) {
        const std::string candidate = FromPath(
            base / ToPath(kScratchPrefix + purpose + "-" + std::to_string(seed() % 1000000000u)));
        // The user's alone: it holds a copy of the data folder, its key, a password.
        const int made = Files().CreateFolder(candidate, FileSystem::Access::Owner);
        if (made == 0) {
            path_ = candidate;
            FolderLock::TryLock(path_, lock_);
            return;
        }
        if (made != EEXIST) {
            return;
        }
    }
}

int RemoveAbandonedScratchFolders(const std::string& base) {
    std::error_code error;
    const auto recent = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::vector<fs::path> abandoned;
    for (fs::directory_iterator it(ToPath(base), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = FromPath(it->path().filename());
        std::error_code ignored;
        if (!name.starts_with(kScratchPrefix) || !it->is_directory(ignored) ||
            fs::last_write_time(it->path(), ignored) > recent) {
            continue;
        }
        std::unique_ptr<FolderLock> lock;
        if (FolderLock::TryLock(FromPath(it->path()), lock) == FolderLock::Result::Held) {
            abandoned.push_back(it->path());
        }
    }  // the locks let go first: Windows removes no file held open
    int removed = 0;
    for (const fs::path& folder : abandoned) {
        std::error_code ignored;
        removed += fs::remove_all(folder, ignored) > 0 ? 1 : 0;
    }
    return removed;
}

std::string ScratchFolder::WritePrivate(const std::string& name, std::string_view bytes) const {
    std::string path = JoinPath(path_, name + "-XXXXXX");
    File file;
    int error = file.CreateTemporary(path, FileSystem::Access::Owner);
    error = error != 0 ? error : file.Write(bytes);
    const int closed = file.Close();
    if ((error != 0 ? error : closed) != 0) {
        Files().Remove(path);
        return "";
    }
    return path;
}

ScratchFolder::~ScratchFolder() {
    lock_.reset();  // let go first: Windows removes no file held open
    if (!path_.empty()) {
        std::error_code ignored;
        fs::remove_all(ToPath(path_), ignored);
    }
}

}  // namespace vantor
