#include "ledger/Archive.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

#include "data/Dates.h"
#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "ledger/Ed25519.h"
#include "ledger/Sha256.h"
#include "ledger/Tar.h"
#include "platform/Paths.h"

namespace vantor {

namespace {

constexpr const char* kManifest = "manifeste.txt";
constexpr const char* kSignature = "signature.txt";

std::string Hex(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0xF];
    }
    return hex;
}

// The bytes of a hexadecimal text; "" when it is not one.
std::string Unhex(const std::string& hex) {
    const auto digit = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int high = digit(hex[i]);
        const int low = digit(hex[i + 1]);
        if (high < 0 || low < 0) {
            return "";
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

std::string HashOf(std::string_view bytes) {
    Sha256 hash;
    hash.Update(bytes);
    return hash.Hex();
}

// The seed of the folder's archive key, made on the first archive.
std::string LoadOrCreateKey(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kArchiveKeyFile);
    if (FileExists(path)) {
        const std::optional<std::string> seed = ed25519::FromPem(ReadBytes(path));
        if (!seed) {
            throw FileError("Clé d'archivage illisible : " + path);
        }
        return *seed;
    }
    std::string seed = ed25519::NewSeed();
    WriteFileAtomic(path, ed25519::ToPem(seed));
    std::filesystem::permissions(
        ToPath(path), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    return seed;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
         start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

// The lines of a data file (with their line ends) whose date field `field`
// (0 based) lies in the period; a closure also needs its last day (field + 1)
// in it.
std::string LinesOfPeriod(const std::string& path, std::size_t field, bool closure, const Date& du,
                          const Date& au) {
    if (!FileExists(path)) {
        return "";
    }
    const std::string bytes = ReadBytes(path);
    std::string kept;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size() - 1) + 1;
        const std::string line = bytes.substr(start, end - start);
        const std::vector<std::string> fields = Split(line, ';');
        const auto inPeriod = [&](std::size_t i) {
            const std::optional<Date> date =
                i < fields.size() ? ParseDate(fields[i].substr(0, 10)) : std::nullopt;
            return date && du <= *date && *date <= au;
        };
        if (inPeriod(field) && (!closure || inPeriod(field + 1))) {
            kept += line;
        }
        start = end;
    }
    return kept;
}

}  // namespace

std::uint64_t WriteArchive(const std::string& dataPath, const Date& du, const Date& au,
                           const std::string& out) {
    const std::string key = LoadOrCreateKey(dataPath);
    std::vector<TarMember> members = {
        {kJournalFile, LinesOfPeriod(JoinPath(dataPath, kJournalFile), 0, false, du, au)},
        {kEventFile, LinesOfPeriod(JoinPath(dataPath, kEventFile), 0, false, du, au)},
        {kClosureFile, LinesOfPeriod(JoinPath(dataPath, kClosureFile), 1, true, du, au)},
        {kChainFile, FileExists(JoinPath(dataPath, kChainFile))
                         ? ReadBytes(JoinPath(dataPath, kChainFile))
                         : ""}};
    std::string manifest = "periode;" + FormatDate(du) + ";" + FormatDate(au) + "\n" + "cle;" +
                           Hex(ed25519::PublicKey(key)) + "\n";
    for (const TarMember& member : members) {
        manifest += "fichier;" + member.name + ";" + std::to_string(member.bytes.size()) + ";" +
                    HashOf(member.bytes) + "\n";
    }
    const std::string signature = Hex(ed25519::Sign(key, manifest)) + "\n";
    const auto records = static_cast<std::uint64_t>(
        std::count(members[0].bytes.begin(), members[0].bytes.end(), '\n'));
    members.push_back({kManifest, manifest});
    members.push_back({kSignature, signature});
    RemoveLeftoverTemporariesOf(out);  // of an earlier archive of that name, killed
    WriteFileAtomic(out, WriteTar(members));
    return records;
}

ArchiveCheck VerifyArchive(const std::string& file) {
    const std::optional<std::vector<TarMember>> members = ReadTar(ReadBytes(file));
    const auto altered = [](const std::string& why) {
        return ArchiveCheck{false, "Archive altérée : " + why};
    };
    if (!members) {
        return altered("ce n'est pas une archive tar lisible");
    }
    const auto find = [&](const std::string& name) -> const TarMember* {
        auto it = std::find_if(members->begin(), members->end(),
                               [&](const TarMember& m) { return m.name == name; });
        return it == members->end() ? nullptr : &*it;
    };
    const TarMember* manifest = find(kManifest);
    const TarMember* signature = find(kSignature);
    if (manifest == nullptr || signature == nullptr) {
        return altered("manifeste ou signature absent");
    }
    const std::vector<std::string> lines = Split(manifest->bytes, '\n');
    const std::vector<std::string> period = Split(lines[0], ';');
    const std::vector<std::string> key = lines.size() > 1 ? Split(lines[1], ';') : period;
    if (period.size() != 3 || key.size() != 2 || key[1].size() != 64 ||
        !ed25519::Holds(Unhex(key[1]), Unhex(signature->bytes.substr(0, 128)), manifest->bytes)) {
        return altered("la signature du manifeste ne correspond pas");
    }
    std::size_t listed = 2;
    std::string counts;
    for (std::size_t i = 2; i < lines.size() && !lines[i].empty(); ++i, ++listed) {
        const std::vector<std::string> f = Split(lines[i], ';');
        const TarMember* member = f.size() == 4 ? find(f[1]) : nullptr;
        if (member == nullptr || HashOf(member->bytes) != f[3]) {
            return altered((f.size() > 1 ? f[1] : lines[i]) + " ne correspond pas au manifeste");
        }
        if (f[1] == kJournalFile || f[1] == kClosureFile) {
            counts += ", " +
                      std::to_string(std::count(member->bytes.begin(), member->bytes.end(), '\n')) +
                      (f[1] == kJournalFile ? " enregistrements" : " clôtures");
        }
    }
    if (members->size() != listed) {
        return altered("fichier absent du manifeste");
    }
    return {true, "Archive intacte : du " + period[1] + " au " + period[2] + counts + ", clé " +
                      key[1].substr(0, 16)};
}

}  // namespace vantor
