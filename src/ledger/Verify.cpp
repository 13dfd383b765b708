#include "ledger/Verify.h"

#include "data/TextFile.h"
#include "ledger/Closures.h"
#include "ledger/DataFileReader.h"
#include "ledger/Sha256.h"
#include "ledger/VerifyClosures.h"

namespace vantor {

namespace {

std::string EntryName(const ChainEntry& entry) {
    return "l'entrée " + std::to_string(entry.seq) + " de " + kChainFile;
}

class Verifier {
public:
    explicit Verifier(const std::string& dataPath)
        : dataPath_(dataPath),
          journal_(JoinPath(dataPath, kJournalFile)),
          events_(JoinPath(dataPath, kEventFile)),
          closures_(JoinPath(dataPath, kClosureFile)) {}

    LedgerCheck Run() {
        ReadChain();
        if (check_.intact) {
            NothingLeftOver(journal_, kJournalFile) && NothingLeftOver(events_, kEventFile) &&
                NothingLeftOver(closures_, kClosureFile) && ClosureLinesHold() &&
                Holds(PeriodClosedTwice(dataPath_));
        }
        check_.records = journal_.LinesRead();
        check_.closures = closures_.LinesRead();
        if (!restarted_.empty()) {
            // Told first, the rest of the chain being checked all the same.
            check_.problem = check_.intact ? restarted_ : restarted_ + " ; puis " + check_.problem;
            check_.intact = false;
        }
        return check_;
    }

private:
    void ReadChain() {
        DataFileReader chain(JoinPath(dataPath_, kChainFile));
        std::string_view line;
        bool ended = false;
        std::optional<ChainEntry> pending;
        std::string pendingFields;
        std::uint64_t number = 0;
        bool cut = false;
        while (chain.NextLine(line, ended)) {
            ++number;
            if (!ended) {
                // A chain line without its line end: its write was cut, so the
                // data file was not touched for it.
                check_.interrupted = CutEntry(line);
                cut = true;
                break;
            }
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            std::optional<ChainEntry> entry = ParseEntry(line);
            if (!entry) {
                return Fail("ligne " + std::to_string(number) + " de " + kChainFile +
                            " : entrée illisible");
            }
            if (entry->seq != number) {
                return Fail(EntryName(*entry) + " : entrée " + std::to_string(number) +
                            " attendue à cette place");
            }
            if (entry->kind == EntryKind::Interrupted) {
                if (!Abandon(pending, *entry)) {
                    return;
                }
                pending.reset();
                continue;
            }
            if (pending && !Check(*pending, pendingFields, false)) {
                return;
            }
            NoteRestart(*entry);
            pending = std::move(entry);
            pendingFields = line.substr(0, line.size() - kChainOrigin.size() - 1);  // ";hash"
        }
        if (pending) {
            Check(*pending, pendingFields, !cut);
        }
    }

    // The event log and the closures are only ever written under a chain: an
    // entry that takes them in as they were, or that the start marked so,
    // started the chain again over files that had one.
    void NoteRestart(const ChainEntry& entry) {
        if (entry.kind == EntryKind::Adoption && restarted_.empty() &&
            (entry.ref != 0 || entry.file != kJournalFile)) {
            restarted_ =
                EntryName(entry) + " : chaîne recommencée sur des fichiers qui en avaient déjà une";
        }
    }

    // An Interrupted entry stands right after the entry it gives up, which
    // must be one that a crash could have left.
    bool Abandon(const std::optional<ChainEntry>& pending, const ChainEntry& mark) {
        if (!pending || static_cast<std::int64_t>(pending->seq) != mark.ref ||
            pending->file != mark.file || pending->start != mark.start ||
            EntryHash(pending->hash, mark, "") != mark.hash) {
            Fail(EntryName(mark) + " : interruption qui ne suit pas l'écriture interrompue");
            return false;
        }
        const DataFileReader* reader = ReaderOf(pending->file);
        if (reader == nullptr || !FitsItsFile(*pending, *reader)) {
            return false;
        }
        if (!LeftByACrash(*pending, reader->Offset(), mark.end)) {
            Fail(EntryName(mark) + " : interruption qu'aucun arrêt n'a pu laisser");
            return false;
        }
        previous_ = mark.hash;
        return true;
    }

    std::string Where(const ChainEntry& entry, const DataFileReader& reader) {
        return "ligne " + std::to_string(reader.Line()) + " de " + entry.file + " : ";
    }

    // The entry starts where the previous one of its file ended, and
    // announces no more than one write of the till holds.
    bool FitsItsFile(const ChainEntry& entry, const DataFileReader& reader) {
        if (entry.start != reader.Offset()) {
            Fail(Where(entry, reader) +
                 (entry.start > reader.Offset()
                      ? std::string("enregistrements absents de ") + kChainFile
                      : EntryName(entry) + " ne suit pas la précédente"));
            return false;
        }
        const std::uint64_t length = entry.end - entry.start;
        if (entry.kind != EntryKind::Adoption && length > kLongestChainedWrite) {
            Fail(Where(entry, reader) + EntryName(entry) + " annonce " + std::to_string(length) +
                 " octets, aucune écriture n'en contient autant");
            return false;
        }
        return true;
    }

    DataFileReader* ReaderOf(const std::string& file) {
        if (file == kJournalFile) {
            return &journal_;
        }
        if (file == kEventFile) {
            return &events_;
        }
        return file == kClosureFile ? &closures_ : nullptr;
    }

    bool Check(const ChainEntry& entry, std::string_view fields, bool last) {
        DataFileReader* reader = ReaderOf(entry.file);
        if (reader == nullptr) {
            Fail(EntryName(entry) + " : fichier inconnu " + entry.file);
            return false;
        }
        const std::uint64_t firstLine = reader->Line();
        const auto where = [&] {
            return "ligne " + std::to_string(firstLine) + " de " + entry.file + " : ";
        };
        if (!FitsItsFile(entry, *reader)) {
            return false;
        }
        const std::uint64_t linesBefore = reader->LinesRead();
        StartEntryHash(hash_, previous_, fields);
        if (!reader->Feed(entry.end, hash_)) {
            hash_.Hex();
            if (last && LeftByACrash(entry, entry.start, reader->Size())) {
                check_.interrupted =
                    Interruption{entry.kind, entry.ref, entry.file, reader->Offset() - entry.start};
                return true;
            }
            Fail(where() + "le fichier s'arrête avant la fin de " + EntryName(entry) + " (" +
                 EntryWhat(entry) + ")");
            return false;
        }
        if (hash_.Hex() != entry.hash) {
            const std::uint64_t lines =
                std::max<std::uint64_t>(reader->LinesRead() - linesBefore, 1);
            Fail(where() + "ne correspond plus à " + EntryName(entry) + " (" + EntryWhat(entry) +
                 ", lignes " + std::to_string(firstLine) + " à " +
                 std::to_string(firstLine + lines - 1) + ")");
            return false;
        }
        if (entry.kind == EntryKind::Closure && entry.file == kClosureFile) {
            closureEntries_.push_back({entry, firstLine, entry.seq - 1, previous_});
        }
        previous_ = entry.hash;
        return true;
    }

    bool NothingLeftOver(const DataFileReader& reader, const char* file) {
        if (reader.Offset() < reader.Size()) {
            Fail("ligne " + std::to_string(reader.Line()) + " de " + file +
                 " : enregistrements absents de " + kChainFile);
            return false;
        }
        return true;
    }

    // The closure lines as their entries cover them, checked once the chain
    // has been found whole.
    bool ClosureLinesHold() {
        const ClosureLinesCheck lines = CheckClosureLines(dataPath_, closureEntries_);
        check_.signedClosures = lines.signedClosures;
        return Holds(lines.problem);
    }

    bool Holds(const std::string& problem) {
        if (!problem.empty()) {
            Fail(problem);
        }
        return problem.empty();
    }

    void Fail(const std::string& problem) {
        check_.intact = false;
        check_.problem = problem;
    }

    std::string dataPath_;
    DataFileReader journal_;
    DataFileReader events_;
    DataFileReader closures_;

    std::string previous_ = kChainOrigin;
    Sha256 hash_;
    LedgerCheck check_;
    std::vector<ChainedClosure> closureEntries_;
    std::string restarted_;
};

}  // namespace

LedgerCheck VerifyLedger(const std::string& dataPath) {
    return Verifier(dataPath).Run();
}

}  // namespace vantor
