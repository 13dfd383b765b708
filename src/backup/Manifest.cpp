#include "backup/Manifest.h"

#include <algorithm>

namespace vantor {

namespace {

std::vector<std::string> ManifestFields(const std::string& line) {
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(';', start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string::npos) {
            return fields;
        }
        start = end + 1;
    }
}

bool IsSha256Text(const std::string& text) {
    return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::optional<std::uint64_t> ParseSize(const std::string& text) {
    if (text.empty() || text.size() > 19 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoull(text);
}

// A name that stays inside the backup: no absolute path, no "..", no empty part.
bool IsInsideName(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.find('\\') != std::string::npos ||
        name.find(':') != std::string::npos) {
        return false;
    }
    for (std::size_t start = 0; start <= name.size();) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        const std::string part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") {
            return false;
        }
        start = end + 1;
    }
    return true;
}

}  // namespace

std::vector<std::string> ManifestLines(const Manifest& manifest) {
    std::vector<std::string> lines{"sauvegarde;" + manifest.backup,
                                   "dossier;" + manifest.dataFolder};
    for (const ManifestFile& file : manifest.files) {
        lines.push_back("fichier;" + file.name + ";" + std::to_string(file.size) + ";" +
                        file.sha256);
    }
    return lines;
}

std::optional<Manifest> ParseManifest(const std::vector<std::string>& lines, std::string& why) {
    Manifest manifest;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::vector<std::string> fields = ManifestFields(line);
        const auto bad = [&] {
            why = "ligne " + std::to_string(i + 1) + " du manifeste illisible";
            return std::nullopt;
        };
        if (i == 0 && fields.size() == 2 && fields[0] == "sauvegarde") {
            manifest.backup = fields[1];
        } else if (i == 1 && line.starts_with("dossier;")) {
            manifest.dataFolder = line.substr(8);
        } else if (i >= 2 && fields.size() == 4 && fields[0] == "fichier" &&
                   IsInsideName(fields[1]) && ParseSize(fields[2]) && IsSha256Text(fields[3])) {
            manifest.files.push_back({fields[1], *ParseSize(fields[2]), fields[3]});
        } else {
            return bad();
        }
    }
    if (lines.size() < 2) {
        why = "manifeste incomplet";
        return std::nullopt;
    }
    return manifest;
}

}  // namespace vantor
