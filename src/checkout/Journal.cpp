#include "checkout/Journal.h"

#include <cmath>

#include "data/Cp1252.h"
#include "data/Dates.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "platform/FileSystem.h"

namespace vantor {

namespace {

// A ";" typed into a waiter name or a movement text would shift every later
// field of its record.
std::string FieldText(const std::string& text) {
    return Replace(text, ";", "-");
}

std::string Record(const DateTime& when, const std::string& who, double amount,
                   const std::string& category, const std::string& kind, const std::string& mode,
                   const std::string& vat) {
    return FormatDate(when.date) + ";" + FormatTime(when.time) + ";" + FieldText(who) + ";" +
           NumberToText(amount) + ";" + category + ";" + kind + ";" + mode + ";" + vat;
}

FileError JournalError(const std::string& path, int error) {
    return SystemError("Écriture impossible", path, error);
}

// Closes the journal and, unless the append was completed, cuts it back.
class JournalAppend {
public:
    explicit JournalAppend(const std::string& path) : path_(path) {
        if (const int error = file_.Open(path, FileSystem::Mode::Append)) {
            throw JournalError(path_, error);
        }
        if (const int error = file_.Size(size_)) {
            throw JournalError(path_, error);
        }
    }
    ~JournalAppend() {
        if (!done_ && file_.Truncate(size_) == 0) {
            file_.Flush();
        }
    }
    JournalAppend(const JournalAppend&) = delete;
    JournalAppend& operator=(const JournalAppend&) = delete;

    // A journal whose last line was cut (a crash, a full disk) must not glue
    // the next record onto it.
    bool EndsInsideALine() const {
        if (size_ == 0) {
            return false;
        }
        File reader;
        char last = '\n';
        std::size_t got = 0;
        int error = reader.Open(path_, FileSystem::Mode::Read);
        error = error != 0 ? error : reader.ReadAt(&last, 1, size_ - 1, got);
        if (error != 0) {
            throw JournalError(path_, error);
        }
        return got == 1 && last != '\n';
    }

    void Write(std::string_view bytes) {
        int error = file_.Write(bytes);
        error = error != 0 ? error : file_.Flush();
        if (error != 0) {
            throw JournalError(path_, error);
        }
        done_ = true;
    }

private:
    std::string path_;
    File file_;
    std::uint64_t size_ = 0;
    bool done_ = false;
};

}  // namespace

double TauxTVA(const InfosRecord& infos) {
    std::optional<double> mode = ParseNumber(infos[ModeTVA]);
    if (!mode) {
        return 0;
    }
    const double rounded = std::nearbyint(*mode);
    if (rounded != 1 && rounded != 2) {
        return 0;
    }
    std::optional<double> rate = ParseNumber(infos[rounded == 1 ? TauxSurPlace : TauxEmporter]);
    if (!rate) {
        throw ConversionError();
    }
    return *rate;
}

std::vector<std::string> SaleRecords(const CategoryTotals& totals, PaymentKind kind,
                                     double partEspeces, const std::string& serveur,
                                     const InfosRecord& infos, Clock& clock) {
    const double rate = TauxTVA(infos);
    const std::string& mode = infos[ModeTVA];
    std::vector<std::string> records;
    for (int c = 0; c <= 7; ++c) {
        const double s = totals[static_cast<std::size_t>(c)];
        if (!(s > 0)) {
            continue;
        }
        const double v = s * rate / 100;
        const std::string category = std::to_string(c);
        if (kind != PaymentKind::Mixed || partEspeces == 0) {
            const char* type = kind == PaymentKind::Card ? "Cart" : "Esp";
            records.push_back(
                Record(clock.Now(), serveur, s, category, type, mode, NumberToText(v)));
            continue;
        }
        const double p = partEspeces;
        records.push_back(
            Record(clock.Now(), serveur, p * s, category, "Esp", mode, NumberToText(p * v)));
        records.push_back(Record(clock.Now(), serveur, (1 - p) * s, category, "Cart", mode,
                                 NumberToText((1 - p) * v)));
    }
    return records;
}

std::string MovementRecord(const DateTime& when, const std::string& text, double amount,
                           int account) {
    return Record(when, text, amount, "10", "Sort", std::to_string(account), "0");
}

void AppendJournal(const std::string& dataPath, const std::vector<std::string>& records) {
    if (records.empty()) {
        return;
    }
    const std::string path = JoinPath(dataPath, kJournalFile);
    JournalAppend append(path);
    std::string bytes = append.EndsInsideALine() ? "\r\n" : "";
    bytes += EncodeLines(records);
    append.Write(bytes);
}

void EcrireVente(const std::string& dataPath, const CategoryTotals& totals, PaymentKind kind,
                 double partEspeces, const std::string& serveur, const InfosRecord& infos,
                 Clock& clock) {
    AppendJournal(dataPath, SaleRecords(totals, kind, partEspeces, serveur, infos, clock));
}

void EcrireMouvement(const std::string& dataPath, const DateTime& when, const std::string& text,
                     double amount, int account) {
    AppendJournal(dataPath, {MovementRecord(when, text, amount, account)});
}

}  // namespace vantor
