// A report made while a sale is being written (or after a crash cut one
// short) counts the sales that the chain announces complete and nothing of
// the one in progress: the same lines as a journal that never held it, on
// screen and from `vantor report`.
#include <gtest/gtest.h>

#include "TillFolder.h"
#include "data/TextFile.h"
#include "ledger/Ledger.h"
#include "reports/Report.h"
#include "reports/ReportFolder.h"

namespace vantor::test {
namespace {

using Lignes = std::vector<std::string>;

constexpr Date kDay{2026, 12, 5};
const std::vector<Lignes> kSales = {
    {"05.12.2026;9:00:00;Paul;3.5;0;Esp;1;0.35", "05.12.2026;9:00:00;Paul;8;5;Esp;1;0.8"},
    {"05.12.2026;0:00:00;Banque;-20;10;Sort;2;0"},
    {"05.12.2026;11:00:00;Paul;10;0;Esp;1;1", "05.12.2026;11:00:00;Paul;20;1;Esp;1;2",
     "05.12.2026;11:00:00;Paul;30;0;Cart;1;3", "05.12.2026;11:00:00;Paul;40;1;Cart;1;4"},
};

// The totals of the day with its drawer block, as "Générer" shows them and
// as the command writes them.
struct Shown {
    Lignes screen;
    Lignes command;
};

Shown Reports(const TillFolder& folder) {
    const ReportSettings settings = ReglagesDuDossier(folder.Folder(), kDay);
    const TillRun run = folder.Report({"totaux", "--today", "05.12.2026"});
    EXPECT_EQ(run.status, 0) << run.err;
    return {GenererTotaux(settings, kDay, kDay, 0, false).lines, OutputLines(run)};
}

void AppendSale(const std::string& dir, std::size_t sale) {
    AppendChained(dir, kJournalFile, sale == 1 ? EntryKind::Movement : EntryKind::Sale,
                  sale == 1 ? 0 : static_cast<std::int64_t>(sale + 1), kSales[sale]);
}

TEST(UnfinishedSale, AReportCountsOnlyTheSalesTheChainAnnouncesComplete) {
    const std::string lastSale = EncodeLines(kSales[2]);
    const struct {
        const char* name;
        std::size_t kept;     // bytes of the last sale in the journal
        bool announced;       // its chain entry is there
        std::size_t counted;  // the sales the report must count
    } cases[] = {
        {"whole", lastSale.size(), true, 3},
        {"entry written, no record yet", 0, true, 2},
        {"two of its four records written", EncodeLines({kSales[2][0], kSales[2][1]}).size(), true,
         2},
        {"cut inside its third record", EncodeLines({kSales[2][0], kSales[2][1]}).size() + 9, true,
         2},
        {"records written past the chain as it was read", lastSale.size() / 2, false, 2},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        TillFolder reference;
        TillFolder folder;
        for (std::size_t sale = 0; sale < kSales.size(); ++sale) {
            if (sale < row.counted) {
                AppendSale(reference.Folder(), sale);
            }
            AppendSale(folder.Folder(), sale);
        }
        const std::string journal = folder.Read(kJournalFile);
        if (!row.announced) {
            const std::string chain = folder.Read(kChainFile);
            folder.Write(kChainFile, chain.substr(0, chain.rfind('\n', chain.size() - 2) + 1));
        }
        folder.Write(kJournalFile, journal.substr(0, journal.size() - lastSale.size() + row.kept));
        const Shown expected = Reports(reference);
        const Shown shown = Reports(folder);
        EXPECT_EQ(shown.screen, expected.screen);
        EXPECT_EQ(shown.command, expected.command);
        EXPECT_EQ(shown.command, shown.screen);
    }
}

// A journal that no chain covers yet (an older version's, before its first
// start) is read whole, cut record and all.
TEST(UnfinishedSale, AJournalWithoutChainIsReadWhole) {
    TillFolder folder;
    TillFolder whole;
    folder.WriteJournal({kSales[0][0], kSales[0][1], kSales[2][0]});
    whole.WriteJournal({kSales[0][0], kSales[0][1], kSales[2][0]});
    folder.Write(kJournalFile, folder.Read(kJournalFile) + kSales[2][1].substr(0, 12));
    EXPECT_EQ(Reports(folder).screen, Reports(whole).screen);
}

}  // namespace
}  // namespace vantor::test
