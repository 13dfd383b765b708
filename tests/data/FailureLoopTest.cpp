// Every writing operation of the till, run again and again with the N-th call
// to the file system failing, for N = 1, 2, ... until the operation needs
// fewer calls than N: each time every data file holds its old bytes or its
// new ones, the journal all or none of the operation's records, no temporary
// file is left, the chain still matches the journal, and a failure is reported as a FileError.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>

#include "admin/Agenda.h"
#include "checkout/Journal.h"
#include "checkout/LinesFile.h"
#include "data/Infos.h"
#include "data/TextFile.h"
#include "ledger/Archive.h"
#include "ledger/ArchiveKey.h"
#include "ledger/Closures.h"
#include "ledger/Verify.h"
#include "platform/FileSystem.h"
#include "reports/Clotures.h"
#include "sales/NumeroTicket.h"
#include "staff/Personnel.h"
#include "support/ClosureLines.h"
#include "support/FailingFiles.h"
#include "support/StaffFile.h"
#include "support/TempDir.h"
#include "support/TestKey.h"

namespace vantor {
namespace {

using test::FailingFiles;
using test::RamDiskOrTemporary;
using test::Slurp;
using test::TempDir;
using test::WriteRaw;

void Sale(const std::string& folder, PaymentKind kind, double partEspeces) {
    const CategoryTotals totals{7, 0, 0, 0, 0, 8};  // a coffee and a dish
    InfosRecord infos;
    // Whole strings moved in: gcc 12 at -O3 takes the characters copied into
    // a string of the array for uninitialised (-Wmaybe-uninitialized).
    infos[TauxSurPlace] = std::string("10");
    infos[TauxEmporter] = std::string("5.5");
    infos[ModeTVA] = std::string("2");
    const DateTime when{{2026, 12, 5}, {12, 4, 9}};
    ReceiptSale sale;
    sale.articles = {{2, "Caf\u00e9", "7.00", 0}, {1, "Croque; maison", "8.00", 5}};
    sale.totalText = "15.00";
    sale.payment = {kind, partEspeces};
    sale.when = when;
    EcrireVente(
        folder, 41,
        SaleRecords(totals, kind, partEspeces, "Paul", infos[ModeTVA], TauxTVA(infos), when),
        LinesFileLines(41, sale, {"", "", "", "5.5"}, "Paul", infos));
}

// Writes the lines into the file of the folder, as adding, editing, deleting
// and sorting articles, categories or waiters all do.
std::function<void(const std::string&)> Rewrite(const char* file, std::vector<std::string> lines) {
    return [file, lines](const std::string& folder) {
        WriteLinesAtomic(JoinPath(folder, file), lines);
    };
}

const std::vector<std::pair<const char*, std::function<void(const std::string& folder)>>>
    kOperations = {
        {"vente en espèces", [](const std::string& f) { Sale(f, PaymentKind::Cash, 0); }},
        {"vente par carte", [](const std::string& f) { Sale(f, PaymentKind::Card, 0); }},
        {"paiement mixte", [](const std::string& f) { Sale(f, PaymentKind::Mixed, 0.6); }},
        {"mouvement de caisse",
         [](const std::string& f) {
             EcrireMouvement(f, {{2026, 12, 5}, {}}, "Banque", -20, 2);
         }},
        {"numéro de ticket", [](const std::string& f) { EcrireNumTicket(f, 42); }},
        {"numéro de ticket d'une vente chaînée",
         [](const std::string& f) { EcrireNumTicket(f, 42, KeptBy::Chain); }},
        {"articles", Rewrite("Articles.csv", {"Description;Prix;Categorie", "Thé;3.2;0"})},
        {"catégories", Rewrite("Categories.csv", {"Chaud", "Froid"})},
        {"réglages", [](const std::string& f) { EcrireInfos(f, InfosRecord{}); }},
        {"serveurs", Rewrite("Serveurs.txt", {"Anne", "Paul"})},
        {"personnel",
         [](const std::string& f) {
             // One salt for every run, so that each writes the same bytes.
             static const std::string manager = test::StaffLine("Ren\u00e9", "Responsable", "1234");
             Personnel staff;
             staff.lignes.push_back(ParseMembre(manager));
             staff.lignes.push_back(ParseMembre("Paul;Chef"));  // kept as it was
             EcrirePersonnel(f, staff);
         }},
        {"agenda", [](const std::string& f) { EcrireAgenda(f, {"05.12.2026   12:00   Dupont"}); }},
        {"archive",
         [](const std::string& f) {
             WriteArchive(f, {2026, 12, 1}, {2026, 12, 31}, JoinPath(f, "decembre.tar"));
         }},
        {"fichier de recherche CSV",
         [](const std::string& f) { WriteScratchFile(JoinPath(f, "tempcsv.csv"), "1;2;3\r\n"); }},
};

// Every file but the chain, which also records an interrupted write by design:
// the chain is checked by verifying it against the journal. An empty file
// reads as a missing one (a first append that failed creates it).
std::map<std::string, std::string> FolderBytes(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename() != kChainFile && entry.file_size() > 0) {
            files[entry.path().filename().string()] = Slurp(entry.path().string());
        }
    }
    return files;
}

void FillFolder(const std::string& folder) {
    WriteRaw(folder + "/tickets.csv", "01.12.2026;9:00:00;Marie;4;0;Esp;2;0.22\r\n");
    WriteRaw(folder + "/Id.txt", "41\r\n");
    WriteRaw(folder + "/Articles.csv", "Description;Prix;Categorie\r\nCaf\xE9;3.5;0\r\n");
    WriteRaw(folder + "/Categories.csv", "Boissons\r\n");
    WriteRaw(folder + "/Infos.txt", "Bar\r\n");
    WriteRaw(folder + "/Serveurs.txt", "Paul\r\n");
    WriteRaw(folder + "/Agenda.csv", "01.12.2026;0;Martin\r\n");
    AdoptUnchainedFiles(folder);  // as the first start does
    WriteRaw(folder + "/" + kArchiveKeyFile, test::kTestArchiveKey);
}

TEST(FailureLoop, EveryFailingCallLeavesOldOrNewFilesAndIsReported) {
    for (const auto& [name, run] : kOperations) {
        SCOPED_TRACE(name);
        // The bytes the operation writes when nothing fails.
        TempDir reference;
        FillFolder(reference.Path());
        const auto before = FolderBytes(reference.Path());
        run(reference.Path());
        const auto after = FolderBytes(reference.Path());
        ASSERT_NE(before, after);

        int failing = 1;
        for (;; ++failing) {
            SCOPED_TRACE("call " + std::to_string(failing) + " fails");
            TempDir folder;
            FillFolder(folder.Path());
            FailingFiles files(failing);
            bool reported = false;
            {
                UseFileSystem use(files);
                try {
                    run(folder.Path());
                } catch (const FileError&) {
                    reported = true;
                }
            }
            const auto now = FolderBytes(folder.Path());
            // Each file whole, old or new; the journal's records all there or none.
            EXPECT_TRUE(now == before || now == after);
            const LedgerCheck check = VerifyLedger(folder.Path());
            EXPECT_TRUE(check.intact) << check.problem;
            if (!files.Failed()) {
                EXPECT_EQ(now, after);
                break;
            }
            // A failure that left nothing done is always told, and so is a
            // replaced file whose folder could not be flushed; another one
            // after the change was complete may pass in silence.
            EXPECT_TRUE(reported || (now == after && !files.FolderFlushFailed()));
            ASSERT_LT(failing, 100) << "the operation never completes";
        }
        std::cout << name << ": " << failing - 1 << " failure points\n";
    }
}

// A sale stopped at its N-th call to the file system (the till killed
// there), then the start that settles it: its lines and its records are
// both in their files or neither is, and the chain holds.
TEST(FailureLoop, ASaleStoppedAnywhereLeavesItsLinesAndRecordsTogether) {
    for (const PaymentKind kind : {PaymentKind::Cash, PaymentKind::Mixed}) {
        for (int failing = 1;; ++failing) {
            SCOPED_TRACE("call " + std::to_string(failing) + " stops the till");
            TempDir folder;
            FillFolder(folder.Path());
            const std::string lines = Slurp(folder / kLinesFile);
            const std::string journal = Slurp(folder / kJournalFile);
            FailingFiles files(failing, FailingFiles::After::Stopped);
            {
                UseFileSystem use(files);
                try {
                    Sale(folder.Path(), kind, 0.6);
                } catch (const FileError&) {
                }
            }
            SettleInterruptedWrite(folder.Path());
            const LedgerCheck check = VerifyLedger(folder.Path());
            EXPECT_TRUE(check.intact) << check.problem;
            EXPECT_FALSE(check.interrupted);
            const bool linesWritten = Slurp(folder / kLinesFile) != lines;
            const bool recordsWritten = Slurp(folder / kJournalFile) != journal;
            EXPECT_EQ(linesWritten, recordsWritten);
            if (!files.Failed()) {
                EXPECT_TRUE(recordsWritten);
                break;
            }
            ASSERT_LT(failing, 100) << "the sale never completes";
        }
    }
}

// The names of the folder's entries, in order.
std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Id.txt of a chained sale, written over its old content in place, with the
// N-th call failing: the file holds its old bytes or its new ones, nothing
// else is left, and a failure is told unless the new bytes are in place; a
// file that cannot be opened is replaced whole.
// Stopped at the N-th call (the till killed there), the number the next
// start reads in it is the old one or the new one.
TEST(FailureLoop, TheReceiptNumberWrittenInPlaceIsTheOldOrTheNew) {
    const struct {
        const char* name;
        const char* old;  // nullptr: no Id.txt yet
        std::int32_t next;
        std::int32_t oldStart;  // what a start reads in the old file
        const char* written;
    } rows[] = {
        {"as long", "41\r\n", 42, 41, "42\r\n"},
        {"a digit more", "9\r\n", 10, 9, "10\r\n"},
        {"many digits more", "7\r\n", 1234567, 7, "1234567\r\n"},
        {"the wrap to 1", "2147483647\r\n", 1, 2147483647, "1\r\n"},
        {"edited, with a note below", "41\r\nvu le 05.12\r\n", 42, 41, "42\r\n"},
        {"not there", nullptr, 1, 1, "1\r\n"},
    };
    for (const auto& row : rows) {
        for (const auto after : {FailingFiles::After::GoesOn, FailingFiles::After::Stopped}) {
            const bool stopped = after == FailingFiles::After::Stopped;
            SCOPED_TRACE(std::string(row.name) + (stopped ? ", stopped" : ""));
            int failing = 1;
            for (;; ++failing) {
                SCOPED_TRACE("call " + std::to_string(failing) + " fails");
                TempDir folder(RamDiskOrTemporary());
                const std::string path = folder / kIdFile;
                if (row.old != nullptr) {
                    WriteRaw(path, row.old);
                }
                FailingFiles files(failing, after);
                bool reported = false;
                {
                    UseFileSystem use(files);
                    try {
                        EcrireNumTicket(folder.Path(), row.next, KeptBy::Chain);
                    } catch (const FileError&) {
                        reported = true;
                    }
                }
                const bool written = Slurp(path) == row.written;
                if (stopped) {
                    const std::int32_t start = LireNumTicket(folder.Path());
                    EXPECT_TRUE(start == row.oldStart || start == row.next) << start;
                } else {
                    const std::vector<std::string> none;
                    EXPECT_EQ(FileNames(folder.Path()), row.old == nullptr && !written
                                                            ? none
                                                            : std::vector<std::string>{kIdFile});
                    EXPECT_TRUE(written || Slurp(path) == (row.old ? row.old : "")) << Slurp(path);
                    EXPECT_TRUE(reported || written);
                    // A file that cannot be opened to be written in place
                    // (read-only) is replaced all the same.
                    EXPECT_TRUE(failing > 1 || written);
                }
                if (!files.Failed()) {
                    EXPECT_TRUE(written) << Slurp(path);
                    EXPECT_FALSE(reported);
                    break;
                }
                ASSERT_LT(failing, 100) << "the writing never completes";
            }
            EXPECT_GE(failing, 3);  // opened, read, written at the least
        }
    }
}

std::vector<std::string> Sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The closing of three past days over two months (four closures, each with
// its event), with the N-th call failing: it is told, the closures written
// are the first ones of a closing that never failed, whole, and the next
// start (its missing event logged, then the closing again) ends with the
// closures and events of a closing that never failed.
TEST(FailureLoop, AClosingThatFailsAtAnyCallIsTakenUpByTheNextStart) {
    const DateTime now{{2026, 12, 5}, {9, 0, 0}};
    const auto fill = [](const std::string& folder) {
        FillFolder(folder);
        AppendChained(folder, kJournalFile, EntryKind::Sale, 42,
                      {"30.11.2026;9:00:00;Paul;3.5;0;Esp;2;0.19"});
        AppendChained(folder, kJournalFile, EntryKind::Sale, 43,
                      {"04.12.2026;9:00:00;Paul;8;5;Cart;2;0.44"});
    };
    const auto close = [&](const std::string& folder) {
        Cloturer(folder, now, false, [](const FarDate&) { return true; });
    };
    TempDir reference(RamDiskOrTemporary());
    fill(reference.Path());
    close(reference.Path());
    const std::vector<std::string> closures =
        test::UnsignedClosures(Slurp(reference.Path() + "/" + kClosureFile));
    const std::vector<std::string> events = Sorted(ReadLines(reference.Path() + "/" + kEventFile));
    ASSERT_EQ(ReadClosures(reference.Path()).size(), 4u);  // a day of November, its month, two days
    int failing = 1;
    for (;; ++failing) {
        SCOPED_TRACE("call " + std::to_string(failing) + " fails");
        TempDir folder(RamDiskOrTemporary());
        fill(folder.Path());
        FailingFiles files(failing);
        bool reported = false;
        {
            UseFileSystem use(files);
            try {
                close(folder.Path());
            } catch (const FileError&) {
                reported = true;
            }
        }
        // Signed by the folder's own key, each line naming the chain's head.
        const std::vector<std::string> made =
            test::UnsignedClosures(Slurp(folder.Path() + "/" + kClosureFile));
        EXPECT_LE(made.size(), closures.size());
        EXPECT_EQ(made,
                  std::vector<std::string>(closures.begin(),
                                           closures.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                  made.size(), closures.size()))));
        EXPECT_TRUE(Slurp(folder.Path() + "/" + kClosureFile).empty() ||
                    Slurp(folder.Path() + "/" + kClosureFile).ends_with("\r\n"));
        const LedgerCheck check = VerifyLedger(folder.Path());
        EXPECT_TRUE(check.intact) << check.problem;
        LogMissingClosureEvents(folder.Path(), now);
        close(folder.Path());
        EXPECT_EQ(test::UnsignedClosures(Slurp(folder.Path() + "/" + kClosureFile)), closures);
        // An event that failed is logged at the next start, after the later ones.
        EXPECT_EQ(Sorted(ReadLines(folder.Path() + "/" + kEventFile)), events);
        if (!files.Failed()) {
            break;
        }
        // An event that could not be written is not the closing's failure.
        EXPECT_TRUE(reported || made == closures);
        ASSERT_LT(failing, 400) << "the closing never completes";
    }
    std::cout << "clôture: " << failing - 1 << " failure points\n";
}

}  // namespace
}  // namespace vantor

namespace vantor {
namespace {

// The key made at the first start, with the N-th call failing: a whole
// private key, or none and the failure told; never a temporary file left.
TEST(FailureLoop, TheArchiveKeyIsMadeWholeOrNotAtAll) {
    for (int failing = 1;; ++failing) {
        SCOPED_TRACE("call " + std::to_string(failing) + " fails");
        TempDir folder;
        FailingFiles files(failing);
        bool reported = false;
        {
            UseFileSystem use(files);
            try {
                LoadOrCreateArchiveKey(folder.Path());
            } catch (const FileError&) {
                reported = true;
            }
        }
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            names.push_back(entry.path().filename().string());
        }
        if (names.empty()) {
            EXPECT_TRUE(reported);
        } else {
            EXPECT_EQ(names, std::vector<std::string>{kArchiveKeyFile});
            EXPECT_TRUE(LoadArchiveKey(folder.Path()));
        }
        if (!files.Failed()) {
            EXPECT_FALSE(names.empty());
            break;
        }
        ASSERT_LT(failing, 100);
    }
}

}  // namespace
}  // namespace vantor
