// Checking a signed archive alone, on any machine: its form, its signature,
// its members against the manifest and its records against its chain.
#include <algorithm>
#include <map>

#include "data/TextFile.h"
#include "ledger/Archive.h"
#include "ledger/ArchiveFormat.h"
#include "ledger/Ed25519.h"
#include "ledger/Hex.h"
#include "ledger/Sha256.h"
#include "ledger/Tar.h"
#include "ledger/Verify.h"

namespace vantor {

namespace {

std::vector<std::string> SplitManifest(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos;
         start = end + 1) {
        parts.emplace_back(text.substr(start, end - start));
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

struct Listed {
    std::string name;
    std::string size;
    std::string hash;
};

// The members an archive must have, in their order: with the sales' lines,
// or of the form written before they were kept (no lines member).
struct ArchiveForm {
    std::vector<const char*> members;
    std::size_t dataFiles = 0;  // the data files first, then the chain, manifest, signature
};

ArchiveForm FormOf(const std::vector<TarMember>& members) {
    const bool lines = members.size() > kDataFilesWithoutLines &&
                       members[kDataFilesWithoutLines].name == kLinesFile;
    ArchiveForm form{{kArchiveMembers.begin(), kArchiveMembers.end()}, kArchivedDataFiles.size()};
    if (!lines) {
        form.members.erase(form.members.begin() + kDataFilesWithoutLines);
        form.dataFiles = kDataFilesWithoutLines;
    }
    return form;
}

struct Manifest {
    std::string du;
    std::string au;
    std::string publicKey;  // bytes
    std::vector<Listed> files;
    // Empty in an archive of an earlier form, which had no ranges.
    std::map<std::string, ByteRanges> ranges;
};

// The manifest's lines in their order: periode, cle, a `fichier` line per
// member, then (since the records are checked against the chain) a `plages`
// line per data file.
std::optional<Manifest> ParseManifest(std::string_view text, const ArchiveForm& form) {
    std::vector<std::string> lines = SplitManifest(text, '\n');
    if (lines.empty() || !lines.back().empty()) {
        return std::nullopt;
    }
    lines.pop_back();
    const std::size_t listed = form.members.size() - 2;
    if (lines.size() != 2 + listed && lines.size() != 2 + listed + form.dataFiles) {
        return std::nullopt;
    }
    Manifest manifest;
    const std::vector<std::string> period = SplitManifest(lines[0], ';');
    const std::vector<std::string> key = SplitManifest(lines[1], ';');
    const std::optional<std::string> publicKey = key.size() == 2 ? FromHex(key[1]) : std::nullopt;
    if (period.size() != 3 || period[0] != "periode" || key[0] != "cle" || !publicKey) {
        return std::nullopt;
    }
    manifest = {period[1], period[2], *publicKey, {}, {}};
    for (std::size_t i = 0; i < listed; ++i) {
        const std::vector<std::string> f = SplitManifest(lines[2 + i], ';');
        if (f.size() != 4 || f[0] != "fichier" || f[1] != form.members[i]) {
            return std::nullopt;
        }
        manifest.files.push_back({f[1], f[2], f[3]});
    }
    for (std::size_t i = 2 + listed; i < lines.size(); ++i) {
        const std::vector<std::string> f = SplitManifest(lines[i], ';');
        const char* file = form.members[i - 2 - listed];
        std::optional<ByteRanges> ranges =
            f.size() == 3 && f[0] == "plages" && f[1] == file ? ParseRanges(f[2]) : std::nullopt;
        if (!ranges) {
            return std::nullopt;
        }
        manifest.ranges[file] = std::move(*ranges);
    }
    return manifest;
}

// The key the manifest names, for checking its signature before reading it.
std::string NamedKey(std::string_view manifest) {
    const std::vector<std::string> lines = SplitManifest(manifest, '\n');
    const std::vector<std::string> key = lines.size() > 1 ? SplitManifest(lines[1], ';') : lines;
    return key.size() == 2 && key[0] == "cle" ? FromHex(key[1]).value_or("") : "";
}

// The member's records against the chain entries of their file: an entry
// whose bytes the member holds must hash to its hash, and the member must
// hold nothing else. Content taken in whole when the chain was started may be
// there in part (its lines of the period): it has no finer hash. "" when it
// matches, else what does not.
std::string AgainstChain(const char* file, const std::string& member, const ByteRanges& ranges,
                         const std::vector<ChainEntry>& entries) {
    std::vector<std::uint64_t> at;  // where each range starts in the member
    std::uint64_t total = 0;
    for (const auto& [first, end] : ranges) {
        at.push_back(total);
        total += end - first;
    }
    if (total != member.size()) {
        return std::string(file) + " : ses plages ne correspondent pas à sa taille";
    }
    const std::set<std::uint64_t> givenUp = GivenUpEntries(entries);
    std::uint64_t covered = 0;
    std::uint64_t next = 0;  // where the file's next entry must start
    std::size_t range = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ChainEntry& entry = entries[i];
        if (entry.file != file || entry.kind == EntryKind::Interrupted ||
            givenUp.count(entry.seq) != 0) {
            continue;
        }
        const std::string name = "l'entrée " + std::to_string(entry.seq) + " de " + kChainFile;
        if (entry.start != next) {
            return std::string(kChainFile) + " : " + name + " ne suit pas la précédente de " + file;
        }
        next = entry.end;
        while (range < ranges.size() && ranges[range].second <= entry.start) {
            ++range;
        }
        std::uint64_t overlap = 0;
        for (std::size_t r = range; r < ranges.size() && ranges[r].first < entry.end; ++r) {
            overlap +=
                std::min(ranges[r].second, entry.end) - std::max(ranges[r].first, entry.start);
        }
        if (overlap == 0 || entry.start == entry.end) {
            continue;
        }
        const bool whole = ranges[range].first <= entry.start && entry.end <= ranges[range].second;
        if (whole) {
            const std::string_view bytes = std::string_view(member).substr(
                at[range] + entry.start - ranges[range].first, entry.end - entry.start);
            if (EntryHash(i == 0 ? kChainOrigin : entries[i - 1].hash, entry, bytes) !=
                entry.hash) {
                return std::string(file) + " ne correspond pas à " + name + " (" +
                       EntryWhat(entry) + ")";
            }
        } else if (entry.kind != EntryKind::Adoption) {
            return std::string(file) + " ne tient qu'une partie de " + name + " (" +
                   EntryWhat(entry) + ")";
        }
        covered += overlap;
    }
    if (covered != member.size()) {
        return std::string(file) + " tient des octets qu'aucune entrée de " + kChainFile +
               " ne couvre";
    }
    return "";
}

std::uint64_t LineEnds(const std::string& bytes) {
    return static_cast<std::uint64_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

ArchiveCheck Altered(const std::string& why) {
    return ArchiveCheck{false, "Archive altérée : " + why, {}, "", ""};
}

// The members in their order, or the first one that is not where it should be.
std::string Unexpected(const std::vector<TarMember>& members, const ArchiveForm& form) {
    for (std::size_t i = 0; i < form.members.size(); ++i) {
        if (i == members.size()) {
            return std::string("membre absent : ") + form.members[i];
        }
        if (members[i].name != form.members[i]) {
            return "membre inattendu : " + members[i].name;
        }
    }
    return members.size() > form.members.size()
               ? "membre inattendu : " + members[form.members.size()].name
               : "";
}

}  // namespace

ArchiveCheck VerifyArchive(const std::string& file) {
    const TarContent tar = ReadTar(ReadBytes(file));
    if (!tar.problem.empty()) {
        return Altered(tar.problem);
    }
    const ArchiveForm form = FormOf(tar.members);
    if (const std::string unexpected = Unexpected(tar.members, form); !unexpected.empty()) {
        return Altered(unexpected);
    }
    const std::vector<TarMember>& members = tar.members;
    const std::string& chain = members[form.dataFiles].bytes;
    const std::string& manifestText = members[form.dataFiles + 1].bytes;
    const std::string& signature = members[form.dataFiles + 2].bytes;
    if (signature.size() != 129 || signature.back() != '\n' ||
        !ed25519::Holds(NamedKey(manifestText), FromHex(signature.substr(0, 128)).value_or(""),
                        manifestText)) {
        return Altered("la signature du manifeste ne correspond pas");
    }
    const std::optional<Manifest> manifest = ParseManifest(manifestText, form);
    if (!manifest) {
        return Altered("manifeste illisible");
    }
    for (std::size_t i = 0; i < manifest->files.size(); ++i) {
        const Listed& listed = manifest->files[i];
        if (std::to_string(members[i].bytes.size()) != listed.size ||
            Sha256Hex(members[i].bytes) != listed.hash) {
            return Altered(listed.name + " ne correspond pas au manifeste");
        }
    }
    std::uint64_t line = 0;
    const std::optional<std::vector<ChainEntry>> entries = ParseChain(chain, line);
    if (!entries) {
        return Altered("ligne " + std::to_string(line) + " de " + kChainFile + " illisible");
    }
    ArchiveCheck check{true, "", {}, chain, manifest->publicKey};
    if (manifest->ranges.empty()) {
        check.remarks.push_back(std::string("Archive d'une forme antérieure : ses enregistrements "
                                            "ne sont pas comparés à ") +
                                kChainFile);
    }
    for (std::size_t i = 0; i < manifest->ranges.size(); ++i) {
        const char* name = form.members[i];
        const std::string problem =
            AgainstChain(name, members[i].bytes, manifest->ranges.at(name), *entries);
        if (!problem.empty()) {
            return Altered(problem);
        }
    }
    check.summary = "Archive intacte : du " + manifest->du + " au " + manifest->au + ", " +
                    std::to_string(LineEnds(members[0].bytes)) + " enregistrements, " +
                    std::to_string(LineEnds(members[2].bytes)) + " clôtures, clé " +
                    KeyFingerprint(manifest->publicKey);
    return check;
}

}  // namespace vantor
