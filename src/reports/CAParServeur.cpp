// The turnover table: each person's takings, a team entry ("Paul+Marie")
// being shared equally among its members.
#include <cstddef>

#include "data/Numbers.h"
#include "data/Text.h"
#include "reports/Report.h"
#include "reports/ReportLines.h"
#include "sales/Montant.h"

namespace vantor {

namespace {

constexpr std::size_t kWaiterNameWidth = 18;

struct Person {
    std::string nom;
    double total = 0;
};

std::vector<std::string> SplitAtPlus(const std::string& nom) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t plus = nom.find('+'); plus != std::string::npos; plus = nom.find('+', start)) {
        parts.push_back(nom.substr(start, plus - start));
        start = plus + 1;
    }
    parts.push_back(nom.substr(start));
    return parts;
}

// Label and amount, and in training mode the quarter in parentheses.
std::string Ligne(const std::string& label, double v, bool formation) {
    std::string line = FitRight(label, kWaiterNameWidth) + FormatMontant(NumberToText(v), false);
    if (formation) {
        line += " (" + FormatMontant(NumberToText(v / 4), true) + ")";
    }
    return line;
}

void AddTo(std::vector<Person>& persons, const std::string& nom, double amount) {
    const std::string name = Trim(nom);
    for (Person& person : persons) {
        if (person.nom == name) {
            person.total += amount;
            return;
        }
    }
    persons.push_back({name, amount});
}

}  // namespace

std::vector<std::string> CAParServeur(const std::vector<std::string>& noms,
                                      const std::vector<double>& especes,
                                      const std::vector<double>& cartes, bool formation) {
    // The person with the empty name comes first: it gathers the records of
    // waiters in no entry.
    std::vector<Person> persons{{"", 0}};
    bool team = false;
    for (std::size_t i = 0; i < noms.size() && i < especes.size() && i < cartes.size(); ++i) {
        const std::vector<std::string> members = SplitAtPlus(noms[i]);
        const double k = static_cast<double>(members.size());
        team = team || members.size() >= 2;
        for (const std::string& member : members) {
            AddTo(persons, member,
                  members.size() == 1 ? especes[i] + cartes[i] : cartes[i] / k + especes[i] / k);
        }
    }
    if (!team) {
        return {};
    }
    std::vector<std::string> lines;
    double sum = 0;
    for (const Person& person : persons) {
        if (person.total > 0) {
            lines.push_back(Ligne(person.nom, person.total, formation));
            sum += person.total;
        }
    }
    lines.emplace_back(kSeparateur);
    lines.push_back(Ligne("Total", sum, formation));
    return lines;
}

}  // namespace vantor
