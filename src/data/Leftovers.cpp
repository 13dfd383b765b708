// What a crash leaves beside the data files (temporaries, files set aside,
// folder probes), and their clean-up; declared in data/TextFile.h.
#include <algorithm>
#include <filesystem>

#include "data/TextFile.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace vantor {

namespace {

bool IsAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The six characters that make a temporary name unique end the name.
bool EndsUnique(std::string_view name, std::size_t before) {
    constexpr std::size_t kUnique = kTemporarySuffix.size() - 4;
    return name.size() == before + kUnique &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(before), name.end(),
                       IsAlphanumeric);
}

// What the till rewrites in its folder: the data files, the archive key, and
// archives written there.
bool IsRewrittenFile(std::string_view name) {
    return name.ends_with(".csv") || name.ends_with(".txt") || name.ends_with(".tar") ||
           name == "archive.key";
}

// "<file><kind>" and the six characters that make it unique: ".tmp" for a
// temporary being written, ".old" for a file the system set aside while
// replacing it (Windows, when a reader holds it open).
bool IsLeftoverOf(std::string_view name, std::string_view file, std::string_view kind) {
    return name.size() > file.size() + kind.size() && name.starts_with(file) &&
           name.substr(file.size(), kind.size()) == kind &&
           EndsUnique(name, file.size() + kind.size());
}

bool IsOwnLeftover(std::string_view name, std::string_view kind) {
    if (name.size() <= kTemporarySuffix.size()) {
        return false;
    }
    const std::string_view file = name.substr(0, name.size() - kTemporarySuffix.size());
    return IsRewrittenFile(file) && IsLeftoverOf(name, file, kind);
}

// The file of a folder probe that a kill left behind.
bool IsProbeLeftover(std::string_view name) {
    return name.starts_with(kProbePrefix) && EndsUnique(name, kProbePrefix.size());
}

// Each entry of the folder that is a regular file and no link, by name and path.
template <typename Visit>
void ForEachPlainFile(const std::string& folder, const Visit& visit) {
    try {
        for (const auto& entry : std::filesystem::directory_iterator(ToPath(folder))) {
            std::error_code ignored;
            if (entry.is_regular_file(ignored) && !entry.is_symlink(ignored)) {
                visit(FromPath(entry.path().filename()), FromPath(entry.path()));
            }
        }
    } catch (const std::filesystem::filesystem_error&) {
        // A folder that cannot be listed keeps its leftovers; nothing else depends on it.
    }
}

}  // namespace

void RemoveLeftoverTemporaries(const std::string& folder) {
    ForEachPlainFile(folder, [](const std::string& name, const std::string& path) {
        const std::string file = path.substr(0, path.size() - kTemporarySuffix.size());
        if (IsOwnLeftover(name, ".tmp") || IsProbeLeftover(name)) {
            Files().Remove(path);
        } else if (IsOwnLeftover(name, ".old")) {
            // Set aside by a replace that did not finish: the file goes back.
            FileExists(file) ? Files().Remove(path) : Files().Rename(path, file);
        }
    });
}

void RemoveLeftoverTemporariesOf(const std::string& path) {
    const std::filesystem::path target = ToPath(path);
    const std::string file = FromPath(target.filename());
    ForEachPlainFile(target.has_parent_path() ? FromPath(target.parent_path()) : ".",
                     [&](const std::string& name, const std::string& leftover) {
                         if (IsLeftoverOf(name, file, ".tmp")) {
                             Files().Remove(leftover);
                         }
                     });
}

}  // namespace vantor
