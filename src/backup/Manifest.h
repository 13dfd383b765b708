#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

// The file of a backup that lists every other one, readable with any editor.
inline constexpr const char* kBackupManifestFile = "manifeste.txt";

// One file of a backup, as its manifest lists it.
struct ManifestFile {
    std::string name;  // inside the backup, sub-folders joined with '/'
    std::uint64_t size = 0;
    std::string sha256;  // 64 lower-case hexadecimal digits
    friend bool operator==(const ManifestFile&, const ManifestFile&) = default;
};

// "sauvegarde;NAME", "dossier;DATA FOLDER", then "fichier;NAME;SIZE;SHA256"
// per file, CR LF lines in Windows-1252 like the data files.
struct Manifest {
    std::string backup;  // the backup's name, its date "2026-12-07_23-10-05"
    std::string dataFolder;
    std::vector<ManifestFile> files;
};

std::vector<std::string> ManifestLines(const Manifest& manifest);
// Nothing when a line is not of that form; why then names it.
std::optional<Manifest> ParseManifest(const std::vector<std::string>& lines, std::string& why);

}  // namespace vantor
