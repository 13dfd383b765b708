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
          closures_(JoinPath(dataPath, kClosureFile)),
          lines_(JoinPath(dataPath, kLinesFile)) {}

    LedgerCheck Run() {
        ReadChain();
        if (check_.intact) {
            NothingLeftOver(journal_, kJournalFile) && NothingLeftOver(events_, kEventFile) &&
                NothingLeftOver(closures_, kClosureFile) && NothingLeftOver(lines_, kLinesFile) &&
                ClosureLinesHold() && Holds(PeriodClosedTwice(dataPath_));
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
            if (givingUpLines_) {
                if (!AbandonLines(*entry)) {
                    return;
                }
                continue;
            }
            if (entry->kind == EntryKind::Interrupted) {
                if (!Abandon(pending, *entry)) {
                    return;
                }
                givingUpLines_ = std::move(heldLines_);
                heldLines_.reset();
                pending.reset();
                continue;
            }
            if (pending && IsSaleOfLines(*pending, *entry)) {
                // Checked with its sale: a crash leaves both or neither.
                heldLines_ = std::move(pending);
                heldFields_ = pendingFields;
            } else if (pending && !CheckPending(*pending, pendingFields, false)) {
                return;
            }
            NoteRestart(*entry);
            pending = std::move(entry);
            pendingFields = line.substr(0, line.size() - kChainOrigin.size() - 1);  // ";hash"
        }
        // A sale's entry cut in the write that announced its lines: the
        // lines were not written either.
        const bool lastWrite = !cut || (pending && pending->kind == EntryKind::Lines &&
                                        check_.interrupted->kind == EntryKind::Sale &&
                                        check_.interrupted->ref == pending->ref);
        if (pending) {
            CheckPending(*pending, pendingFields, lastWrite);
        }
        if (givingUpLines_ && check_.intact) {
            // The start that gave the sale up was stopped before its lines: the next one does it.
            check_.interrupted =
                Interruption{EntryKind::Sale, givingUpLines_->ref, kJournalFile, 0};
        }
    }

    static bool IsSaleOfLines(const ChainEntry& lines, const ChainEntry& sale) {
        return lines.kind == EntryKind::Lines && sale.kind == EntryKind::Sale &&
               sale.ref == lines.ref && sale.seq == lines.seq + 1 && sale.file == kJournalFile;
    }

    // The pending entry, and the lines held back for it: lines cut short are
    // only what a crash leaves when their sale's records are not all there.
    bool CheckPending(const ChainEntry& pending, std::string_view fields, bool last) {
        if (!heldLines_) {
            return Check(pending, fields, last);
        }
        const ChainEntry lines = *heldLines_;
        heldLines_.reset();
        if (!Check(lines, heldFields_, last)) {
            return false;
        }
        const bool linesCut = check_.interrupted.has_value();
        if (!Check(pending, fields, last)) {
            return false;
        }
        if (linesCut && check_.interrupted->kind == EntryKind::Lines) {
            Fail("ligne " + std::to_string(lines_.Line()) + " de " + kLinesFile +
                 " : le fichier s'arrête avant la fin de " + EntryName(lines) + " (" +
                 EntryWhat(lines) + ")");
            return false;
        }
        return true;
    }

    // The Interrupted entry right after the one that gave a sale up gives
    // up its lines, which may have been written whole.
    bool AbandonLines(const ChainEntry& mark) {
        const ChainEntry lines = *givingUpLines_;
        givingUpLines_.reset();
        if (mark.kind != EntryKind::Interrupted ||
            static_cast<std::int64_t>(lines.seq) != mark.ref || mark.file != kLinesFile ||
            mark.start != lines.start || EntryHash(previous_, mark, "") != mark.hash) {
            Fail(EntryName(mark) + " : " + EntryWhat(lines) + " non abandonnées avec leur vente");
            return false;
        }
        if (!FitsItsFile(lines, lines_)) {
            return false;
        }
        if (mark.end > lines.end) {
            Fail(EntryName(mark) + " : interruption qu'aucun arrêt n'a pu laisser");
            return false;
        }
        previous_ = mark.hash;
        return true;
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
        if (file == kLinesFile) {
            return &lines_;
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
        if (!hash_.Matches(entry.hash)) {
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
    DataFileReader lines_;
    // A sale's lines entry, checked with the sale's entry that follows it.
    std::optional<ChainEntry> heldLines_;
    std::string heldFields_;
    // The lines of a sale just given up, which the next entry must give up.
    std::optional<ChainEntry> givingUpLines_;

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
