// Signed archives: written from a data folder, checked alone on a copy, and
// refused after any change of their bytes, of a tar header field, or of what
// the shop's own key signed anew; a folder whose check fails is not archived.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>

#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/Ed25519.h"
#include "ledger/Events.h"
#include "ledger/Hex.h"
#include "ledger/Ledger.h"
#include "ledger/Sha256.h"
#include "ledger/Tar.h"
#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"
#include "support/TestKey.h"

namespace vantor::test {
namespace {

const DateTime kStartedAt{Date{2026, 12, 5}, TimeOfDay{12, 0, 0}};
// A journal of an older version, chained as it was when the chain began: one
// record of November, one of December.
const std::string kOlderJournal =
    "29.11.2026;10:00:00;Paul;2;0;Esp;1;0.2\r\n01.12.2026;10:00:00;Paul;3;0;Esp;1;0.3\r\n";

std::string Changed(std::string bytes, const std::string& what, const std::string& with) {
    const std::size_t at = bytes.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? bytes : bytes.replace(at, what.size(), with);
}

// A folder with an adopted journal, two sales (November, December) and an
// event, and its archive of December.
struct ArchivedFolder {
    TempDir data;
    TempDir elsewhere;
    std::string archive;

    ArchivedFolder() {
        WriteRaw(data / kJournalFile, kOlderJournal);
        AdoptUnchainedFiles(data.Path());
        AppendChained(data.Path(), kJournalFile, EntryKind::Sale, 1,
                      {"30.11.2026;12:00:00;Paul;9;0;Esp;1;0.9"});
        AppendChained(
            data.Path(), kJournalFile, EntryKind::Sale, 2,
            {"05.12.2026;12:00:00;Paul;7;0;Esp;1;0.7", "05.12.2026;12:00:00;Paul;8;5;Cart;1;0.8"});
        LogEvent(data.Path(), kStartedAt, "Démarrage");
        WriteRaw(data / kArchiveKeyFile, kTestArchiveKey);
    }
    TillRun Archive(const std::string& name) const {
        return RunVantor({"archive", "--du", "01.12.2026", "--au", "31.12.2026", "--data-dir",
                          data.Path(), "--out", elsewhere / name},
                         "");
    }
    std::string Verify(const std::string& bytes) const {
        WriteRaw(elsewhere / "copie.tar", bytes);
        const TillRun run = RunVantor({"verify", elsewhere / "copie.tar"}, "");
        return "(" + std::to_string(run.status) + ") " + run.out;
    }
};

TEST(Archive, VerifiedAloneOnACopyWithItsRecordsAgainstItsChain) {
    ArchivedFolder folder;
    const TillRun written = folder.Archive("decembre.tar");
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out,
              "Archive écrite : " + (folder.elsewhere / "decembre.tar") + ", 3 enregistrements\n");
    const std::string archive = Slurp(folder.elsewhere / "decembre.tar");
    EXPECT_EQ(folder.Verify(archive),
              "(0) Archive intacte : du 01.12.2026 au 31.12.2026, 3 enregistrements, 0 clôtures, "
              "clé " +
                  std::string(kTestKeyFingerprint) + "\n");
    const std::vector<TarMember> members = ReadTar(archive).members;
    ASSERT_EQ(members.size(), 7U);
    EXPECT_EQ(members[3].name, "lignes.csv");
    EXPECT_EQ(members[3].bytes, "");  // no sale's lines in this folder
    // The December line of the adopted journal, then the December sale, whole.
    EXPECT_EQ(members[0].bytes,
              "01.12.2026;10:00:00;Paul;3;0;Esp;1;0.3\r\n05.12.2026;12:00:00;Paul;7;0;Esp;1;0."
              "7\r\n05.12.2026;12:00:00;Paul;8;5;Cart;1;0.8\r\n");
    EXPECT_NE(members[5].bytes.find("plages;tickets.csv;40-80,120-201\n"), std::string::npos)
        << members[5].bytes;
}

TEST(Archive, AFolderWhoseCheckFailsIsNotArchived) {
    ArchivedFolder folder;
    WriteRaw(folder.data / kJournalFile,
             Changed(Slurp(folder.data / kJournalFile), "Paul;8;5", "Paul;9;5"));
    const TillRun refused = folder.Archive("decembre.tar");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "Archive non écrite : le journal est altéré (ligne 4 de tickets.csv : ne correspond "
              "plus à l'entrée 3 de tickets.chain (vente n° 2, lignes 4 à 5)) ; une archive signée "
              "attesterait des données altérées\n");
    EXPECT_FALSE(FileExists(folder.elsewhere / "decembre.tar"));
}

// A tar header of the archive, found by the member's name.
std::size_t HeaderOf(const std::string& archive, const std::string& name) {
    for (std::size_t at = 0; at + 512 <= archive.size(); at += 512) {
        if (archive.compare(at, name.size() + 1, name + '\0') == 0) {
            return at;
        }
    }
    ADD_FAILURE() << name;
    return 0;
}

// The archive with bytes of a member's header replaced and the header's
// checksum made right again, as a forger would.
std::string HeaderForged(std::string archive, const std::string& name, std::size_t field,
                         const std::string& bytes) {
    const std::size_t at = HeaderOf(archive, name);
    archive.replace(at + field, bytes.size(), bytes);
    unsigned sum = 0;
    for (std::size_t i = 0; i < 512; ++i) {
        sum += i >= 148 && i < 156 ? ' ' : static_cast<unsigned char>(archive[at + i]);
    }
    char checksum[8] = {};
    std::snprintf(checksum, sizeof checksum, "%06o", sum);
    archive.replace(at + 148, 8, std::string(checksum, 8));
    return archive;
}

// The member of that name.
TarMember& ArchiveMember(std::vector<TarMember>& members, const std::string& name) {
    const auto found = std::find_if(members.begin(), members.end(),
                                    [&](const TarMember& member) { return member.name == name; });
    EXPECT_NE(found, members.end()) << name;
    return found == members.end() ? members.front() : *found;
}

// The archive made anew with the shop's own key after change() altered its
// members, the manifest's sizes and hashes made to match: what the owner of
// the key can forge.
std::string Resigned(const std::string& archive, const std::string& dataPath,
                     const std::function<void(std::vector<TarMember>&)>& change) {
    std::vector<TarMember> members = ReadTar(archive).members;
    change(members);
    std::string& manifest = ArchiveMember(members, "manifeste.txt").bytes;
    for (const TarMember& member : members) {
        const std::size_t line = manifest.find("fichier;" + member.name + ";");
        if (line == std::string::npos) {
            continue;  // the manifest and its signature
        }
        const std::size_t end = manifest.find('\n', line);
        manifest.replace(line, end - line,
                         "fichier;" + member.name + ";" + std::to_string(member.bytes.size()) +
                             ";" + Sha256Hex(member.bytes));
    }
    const std::string seed = LoadArchiveKey(dataPath).value_or("");
    ArchiveMember(members, "signature.txt").bytes = ToHex(ed25519::Sign(seed, manifest)) + "\n";
    return WriteTar(members);
}

// The manifest without its line that starts with start.
void WithoutManifestLine(std::vector<TarMember>& members, const std::string& start) {
    std::string& manifest = ArchiveMember(members, "manifeste.txt").bytes;
    const std::size_t line = manifest.find(start);
    EXPECT_NE(line, std::string::npos) << start;
    if (line != std::string::npos) {
        manifest.erase(line, manifest.find('\n', line) + 1 - line);
    }
}

// The report of each forged archive: expected/Archive-forged.txt.
TEST(Archive, EveryForgedArchiveIsRefused) {
    ArchivedFolder folder;
    ASSERT_EQ(folder.Archive("decembre.tar").status, 0);
    const std::string archive = Slurp(folder.elsewhere / "decembre.tar");
    const std::string& data = folder.data.Path();
    const std::size_t manifestData = HeaderOf(archive, "manifeste.txt") + 512;
    const std::size_t end = archive.size() - 1024;  // the two zero blocks
    std::string padded = archive;
    padded[HeaderOf(archive, "Evenements.csv") - 1] = 'x';  // the journal's padding
    const std::pair<const char*, std::string> cases[] = {
        {"a record changed", Changed(archive, "Paul;8;5", "Paul;9;5")},
        {"the manifest changed", Changed(archive, "periode;01.12.2026", "periode;01.11.2026")},
        {"the signature garbled",
         std::string(archive).replace(HeaderOf(archive, "signature.txt") + 512, 2, "zz")},
        {"a header changed, its checksum not",
         Changed(archive, std::string("tickets.csv\0", 12), std::string("tickets.txt\0", 12))},
        {"the journal a symbolic link to /etc/passwd",
         HeaderForged(HeaderForged(archive, "tickets.csv", 156, "2"), "tickets.csv", 157,
                      "/etc/passwd")},
        {"the journal a hard link", HeaderForged(archive, "tickets.csv", 156, "1")},
        {"the journal a folder", HeaderForged(archive, "tickets.csv", 156, "5")},
        {"the journal in another folder",
         HeaderForged(archive, "tickets.csv", 0, std::string("autre/tickets.csv\0", 18))},
        {"the journal in another folder by the prefix field",
         HeaderForged(archive, "tickets.csv", 345, "autre")},
        {"the journal made set-user-ID", HeaderForged(archive, "tickets.csv", 100, "0004755")},
        {"the journal given to another owner",
         HeaderForged(archive, "tickets.csv", 108, "0001750")},
        {"the journal dated", HeaderForged(archive, "tickets.csv", 136, "15133370000")},
        {"bytes in a padding", padded},
        {"a member after the end",
         archive + WriteTar({{"tickets.csv", "01.01.2027;0:00:00;X;1;0;Esp;1;0\r\n"}})},
        {"a second journal before the end",
         archive.substr(0, end) + WriteTar({{"tickets.csv", "x\r\n"}})},
        {"the signature taken out",
         archive.substr(0, HeaderOf(archive, "signature.txt")) + std::string(1024, '\0')},
        {"cut inside the manifest", archive.substr(0, manifestData + 20)},
        {"re-signed: a record changed",
         Resigned(archive, data,
                  [](auto& m) { m[0].bytes = Changed(m[0].bytes, "Paul;8;5", "Paul;9;5"); })},
        {"re-signed: a record added with its range",
         Resigned(archive, data,
                  [](auto& m) {
                      m[0].bytes += "06.12.2026;9:00:00;Paul;1;0;Esp;1;0.1\r\n";
                      ArchiveMember(m, "manifeste.txt").bytes =
                          Changed(ArchiveMember(m, "manifeste.txt").bytes, "120-201", "120-240");
                  })},
        // The content taken in when the chain began has one hash for all of
        // it: a line of it in an archive is covered by the signature only.
        {"re-signed: a line of the adopted journal changed",
         Resigned(archive, data,
                  [](auto& m) { m[0].bytes = Changed(m[0].bytes, "Paul;3;0", "Paul;4;0"); })},
        {"re-signed: a record added",
         Resigned(archive, data,
                  [](auto& m) { m[0].bytes += "06.12.2026;9:00:00;Paul;1;0;Esp;1;0.1\r\n"; })},
        {"re-signed: the ranges moved",
         Resigned(archive, data,
                  [](auto& m) {
                      ArchiveMember(m, "manifeste.txt").bytes =
                          Changed(ArchiveMember(m, "manifeste.txt").bytes, "120-201", "121-202");
                  })},
        {"re-signed: half a sale", Resigned(archive, data,
                                            [](auto& m) {
                                                m[0].bytes = m[0].bytes.substr(0, 80);
                                                ArchiveMember(m, "manifeste.txt").bytes = Changed(
                                                    ArchiveMember(m, "manifeste.txt").bytes, "120-201",
                                                    "120-160");
                                            })},
        {"re-signed: a chain entry changed",
         Resigned(archive, data,
                  [](auto& m) {
                      ArchiveMember(m, "tickets.chain").bytes =
                          Changed(ArchiveMember(m, "tickets.chain").bytes, "3;V;2;", "3;V;7;");
                  })},
        {"re-signed: a chain line garbled",
         Resigned(archive, data,
                  [](auto& m) {
                      ArchiveMember(m, "tickets.chain").bytes =
                          Changed(ArchiveMember(m, "tickets.chain").bytes, "3;V;2;", "3;X;2;");
                  })},
        {"re-signed: another member", Resigned(archive, data,
                                               [](auto& m) {
                                                   m.push_back({"lisez-moi.txt", "x"});
                                               })},
        // An archive written before the sales' lines were kept reads as it did.
        {"re-signed in the form without lines",
         Resigned(archive, data,
                  [](auto& m) {
                      m.erase(m.begin() + 3);
                      WithoutManifestLine(m, "fichier;lignes.csv;");
                      WithoutManifestLine(m, "plages;lignes.csv;");
                  })},
        {"the lines member taken out, the manifest kept",
         [&] {
             std::vector<TarMember> m = ReadTar(archive).members;
             m.erase(m.begin() + 3);
             return WriteTar(m);
         }()},
    };
    std::string found;
    for (const auto& [name, bytes] : cases) {
        found += std::string(name) + "\n    " + folder.Verify(bytes);
    }
    EXPECT_EXPECTED("Archive-forged.txt", found);
}

// A folder whose sales have their lines, as the checkout writes them: the
// lines' entry, then the records' entry of the same receipt. One sale of
// November, two of December.
struct FolderWithLines {
    TempDir data;
    TempDir elsewhere;
    const std::vector<std::vector<std::string>> kLines = {
        {"1;30.11.2026;12:00:00;Paul;Esp;;1;1;Cafe;3.50;0;"},
        {"2;05.12.2026;12:00:00;Paul;Esp;;1;2;Cafe;7.00;0;",
         "2;05.12.2026;12:00:00;Paul;Esp;;1;1;Croque;8.00;5;"},
        {"3;06.12.2026;9:00:00;Paul;Esp;;1;-2;Cafe;-7.00;0;2"}};
    const std::vector<std::vector<std::string>> kRecords = {
        {"30.11.2026;12:00:00;Paul;3.5;0;Esp;1;0.35"},
        {"05.12.2026;12:00:00;Paul;7;0;Esp;1;0.7", "05.12.2026;12:00:00;Paul;8;5;Esp;1;0.8"},
        {"06.12.2026;9:00:00;Paul;-7;0;Esp;1;-0.7"}};

    FolderWithLines() {
        for (std::size_t i = 0; i < kLines.size(); ++i) {
            const auto numero = static_cast<std::int64_t>(i + 1);
            AppendChained(data.Path(), kLinesFile, EntryKind::Lines, numero, kLines[i]);
            AppendChained(data.Path(), kJournalFile, EntryKind::Sale, numero, kRecords[i]);
        }
        WriteRaw(data / kArchiveKeyFile, kTestArchiveKey);
    }
    std::string Archive() const {
        const TillRun run = RunVantor({"archive", "--du", "01.12.2026", "--au", "31.12.2026",
                                       "--data-dir", data.Path(), "--out", elsewhere / "d.tar"},
                                      "");
        EXPECT_EQ(run.status, 0) << run.err;
        return Slurp(elsewhere / "d.tar");
    }
    std::string Verify(const std::string& bytes) const {
        WriteRaw(elsewhere / "copie.tar", bytes);
        const TillRun alone = RunVantor({"verify", elsewhere / "copie.tar"}, "");
        const TillRun against = RunVantor(
            {"verify", "--data-dir", data.Path(), "--contre", elsewhere / "copie.tar"}, "");
        return "(" + std::to_string(alone.status) + ") " + alone.out + "    --contre (" +
               std::to_string(against.status) + ") " + against.out + against.err;
    }
};

// The archive of a period carries the lines of its sales, whole sale by sale,
// checked against the chain like the records: expected/Archive-lines.txt
// shows its lines member and what each forged copy is told.
TEST(Archive, CarriesTheSalesLinesOfItsPeriodAndRefusesAForgedOne) {
    FolderWithLines folder;
    const std::string archive = folder.Archive();
    const std::vector<TarMember> members = ReadTar(archive).members;
    ASSERT_EQ(members.size(), 7U);
    const std::string& data = folder.data.Path();
    const auto manifestLine = [&](const std::string& start) {
        const std::string& manifest = members[5].bytes;
        const std::size_t at = manifest.find(start);
        return at == std::string::npos ? "(none)"
                                       : manifest.substr(at, manifest.find('\n', at) - at);
    };
    std::string found = "== " + members[3].name + "\n" + members[3].bytes + "== manifest\n" +
                        manifestLine("fichier;lignes.csv;") + "\n" +
                        manifestLine("plages;lignes.csv;") + "\n";
    const std::pair<const char*, std::string> cases[] = {
        {"as written", archive},
        {"a lines row changed", Changed(archive, "1;2;Cafe;7.00", "1;2;Cafe;9.00")},
        {"re-signed: a lines row changed",
         Resigned(archive, data,
                  [](auto& m) {
                      ArchiveMember(m, "lignes.csv").bytes = Changed(
                          ArchiveMember(m, "lignes.csv").bytes, "1;2;Cafe;7.00", "1;2;Cafe;9.00");
                  })},
        {"re-signed: the correction's row taken out",
         Resigned(archive, data,
                  [](auto& m) {
                      std::string& lines = ArchiveMember(m, "lignes.csv").bytes;
                      lines = lines.substr(0, lines.find("3;06.12.2026"));
                  })},
        {"re-signed: a lines row added",
         Resigned(archive, data,
                  [](auto& m) {
                      ArchiveMember(m, "lignes.csv").bytes +=
                          "4;07.12.2026;9:00:00;Paul;Esp;;1;1;Cafe;3.50;0;\r\n";
                  })},
        {"re-signed: the lines of November added",
         Resigned(archive, data,
                  [&](auto& m) {
                      ArchiveMember(m, "lignes.csv").bytes =
                          "1;30.11.2026;12:00:00;Paul;Esp;;1;1;Cafe;3.50;0;\r\n" +
                          ArchiveMember(m, "lignes.csv").bytes;
                  })},
    };
    for (const auto& [name, bytes] : cases) {
        found += std::string(name) + "\n    " + folder.Verify(bytes);
    }
    EXPECT_EXPECTED("Archive-lines.txt", Masked(found, folder.elsewhere.Path(), "AILLEURS"));
}

// An archive killed while being written leaves its temporary file beside
// it; the next archive of that name removes it, and nothing else.
TEST(Archive, TheTemporaryOfAKilledArchiveOfThatNameIsRemoved) {
    TempDir data;
    AppendChained(data.Path(), kJournalFile, EntryKind::Sale, 1,
                  {"05.12.2026;12:00:00;Paul;7;0;Esp;1;0.7"});
    TempDir out;
    const std::vector<std::string> kept = {"decembre.tar.tmp", "decembre.tar.tmpA1b2C3x",
                                           "novembre.tar.tmpA1b2C3", "decembre.tar.tmpA1-2C3"};
    for (const std::string& name : kept) {
        WriteRaw(out / name, "autre");
    }
    WriteRaw(out / "decembre.tar.tmpA1b2C3", "moitié d'archive");
    const TillRun written = RunVantor({"archive", "--du", "01.12.2026", "--au", "31.12.2026",
                                       "--data-dir", data.Path(), "--out", out / "decembre.tar"},
                                      "");
    ASSERT_EQ(written.status, 0) << written.err;
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(out.Path())) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = kept;
    expected.push_back("decembre.tar");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

}  // namespace
}  // namespace vantor::test
