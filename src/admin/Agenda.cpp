#include "admin/Agenda.h"

#include <algorithm>
#include <optional>

#include "data/Dates.h"
#include "data/Text.h"
#include "data/TextFile.h"

namespace vantor {

namespace {

constexpr const char* kSeparatorShown = "   ";

std::optional<long> DayOf(const std::string& line) {
    std::optional<Date> date = ParseDate(Left(line, 10));
    if (!date) {
        return std::nullopt;
    }
    return DaysFromCivil(*date);
}

}  // namespace

std::vector<std::string> LireAgenda(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kAgendaFile);
    if (!FileExists(path)) {
        return {};
    }
    struct Entry {
        std::optional<long> day;
        std::string line;
    };
    std::vector<Entry> entries;
    for (const std::string& line : ReadLines(path)) {
        entries.push_back({DayOf(line), Replace(line, ";", kSeparatorShown)});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.day && b.day) {
            return *a.day < *b.day;
        }
        return a.day.has_value() && !b.day.has_value();
    });
    std::vector<std::string> lines;
    for (Entry& entry : entries) {
        lines.push_back(std::move(entry.line));
    }
    return lines;
}

void EcrireAgenda(const std::string& dataPath, const std::vector<std::string>& listLines) {
    std::vector<std::string> lines;
    for (const std::string& line : listLines) {
        lines.push_back(Replace(line, kSeparatorShown, ";"));
    }
    WriteLinesAtomic(JoinPath(dataPath, kAgendaFile), lines);
}

void AjouterAgenda(const std::string& dataPath, const Date& date, const std::string& heure,
                   const std::string& texte) {
    const std::string path = JoinPath(dataPath, kAgendaFile);
    std::vector<std::string> lines =
        FileExists(path) ? ReadLines(path) : std::vector<std::string>{};
    lines.push_back(FormatDate(date) + ";" + ChampHeure(heure) + ";" + ChampTexte(texte));
    WriteLinesAtomic(path, lines);
}

std::string ChampHeure(const std::string& heure) {
    const std::string time = Replace(heure, ";", "-");
    return FitRight(time.empty() ? "0" : time, 5);
}

std::string ChampTexte(const std::string& texte) {
    return Replace(texte, ";", "-");
}

std::string LigneListeAgenda(const Date& date, const std::string& heure, const std::string& texte) {
    return FormatDate(date) + kSeparatorShown + ChampHeure(heure) + kSeparatorShown +
           ChampTexte(texte);
}

EntreeAgenda LireEntreeAgenda(const std::string& listLine) {
    EntreeAgenda entry;
    if (std::optional<Date> date = ParseDate(Left(listLine, 10))) {
        entry.dated = true;
        entry.date = *date;
    }
    entry.heure = Trim(Mid(listLine, 14, 8));
    entry.texte = Trim(Mid(listLine, 21, 30));
    return entry;
}

}  // namespace vantor
