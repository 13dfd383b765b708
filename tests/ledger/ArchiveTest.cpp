// Signed archives: written from a data folder, checked alone on a copy, and
// refused after any change of their bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "data/TextFile.h"
#include "ledger/Events.h"
#include "ledger/Ledger.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const DateTime kStartedAt{Date{2026, 12, 5}, TimeOfDay{12, 0, 0}};

std::string Changed(std::string bytes, const std::string& what, const std::string& with) {
    const std::size_t at = bytes.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? bytes : bytes.replace(at, what.size(), with);
}

// The archive with the first characters of its signature replaced (the
// member's bytes follow its 512-byte header).
std::string SignatureStartingWith(std::string archive, const std::string& start) {
    const std::size_t header = archive.find("signature.txt");
    return archive.replace(header + 512, start.size(), start);
}

TEST(Archive, VerifiedAloneOnACopyAndRefusedAfterAnyChange) {
#ifdef _WIN32
    GTEST_SKIP() << "hangs at times under wine before its first check; not understood yet, "
                    "the archive command itself runs there";
#endif
    TempDir data;
    AppendChained(data.Path(), kJournalFile, EntryKind::Sale, 1,
                  {"30.11.2026;12:00:00;Paul;9;0;Esp;1;0.9"});
    AppendChained(
        data.Path(), kJournalFile, EntryKind::Sale, 2,
        {"05.12.2026;12:00:00;Paul;7;0;Esp;1;0.7", "05.12.2026;12:00:00;Paul;8;5;Cart;1;0.8"});
    LogEvent(data.Path(), kStartedAt, "Démarrage");
    TempDir elsewhere;
    const TillRun written =
        RunVantor({"archive", "--du", "01.12.2026", "--au", "31.12.2026", "--data-dir", data.Path(),
                   "--out", elsewhere / "decembre.tar"},
                  "");
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out,
              "Archive écrite : " + (elsewhere / "decembre.tar") + ", 2 enregistrements\n");

    const std::string archive = Slurp(elsewhere / "decembre.tar");
    const TillRun intact = RunVantor({"verify", elsewhere / "decembre.tar"}, "");
    EXPECT_EQ(intact.status, 0);
    EXPECT_TRUE(
        intact.out.starts_with("Archive intacte : du 01.12.2026 au 31.12.2026, 2 "
                               "enregistrements, 0 clôtures, clé "))
        << intact.out << intact.err;

    const struct {
        const char* name;
        std::string bytes;
        const char* found;
    } cases[] = {
        {"record changed", Changed(archive, "Paul;8;5", "Paul;9;5"),
         "Archive altérée : tickets.csv ne correspond pas au manifeste\n"},
        {"manifest changed", Changed(archive, "periode;01.12.2026", "periode;01.11.2026"),
         "Archive altérée : la signature du manifeste ne correspond pas\n"},
        {"signature garbled", SignatureStartingWith(archive, "zz"),
         "Archive altérée : la signature du manifeste ne correspond pas\n"},
        {"header changed", Changed(archive, "tickets.csv", "tickets.txt"),
         "Archive altérée : ce n'est pas une archive tar lisible\n"},
    };
    for (const auto& row : cases) {
        WriteRaw(elsewhere / "copie.tar", row.bytes);
        const TillRun run = RunVantor({"verify", elsewhere / "copie.tar"}, "");
        EXPECT_EQ(run.status, 1) << row.name;
        EXPECT_EQ(run.out, row.found) << row.name;
    }
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
