#include "app/CommandLine.h"

#include <algorithm>

namespace vantor {

namespace {

// How each command reads the words that are not its options.
struct CommandRules {
    Command command;
    std::size_t plainWords;        // how many words that are no option it takes
    bool emptyValueIsMissing;      // "" after an option is no value
    bool unknownOptionTakesValue;  // an unknown option last on the line lacks its value
    const char* usage;             // its lines of "Utilisation :"
};

constexpr CommandRules kRules[] = {
    {kTill, 0, true, false,
     "  vantor [--data-dir DOSSIER]\n"
     "  vantor --headless [--data-dir DOSSIER] [--script FICHIER]\n"
     "                    [--pdf-dir DOSSIER | --system-printers]\n"
     "  vantor report totaux|journal|resume [--du JJ.MM.AAAA] [--au JJ.MM.AAAA] ...\n"
     "  vantor verify [--data-dir DOSSIER] [ARCHIVE]\n"
     "  vantor archive --du JJ.MM.AAAA --au JJ.MM.AAAA [--data-dir DOSSIER] --out ARCHIVE\n"
     "  vantor sauvegarder [--data-dir DOSSIER] [--vers DESTINATION]...\n"
     "  vantor restaurer --depuis DESTINATION [--sauvegarde NOM] --data-dir DOSSIER\n"
     "                   [--remplacer] [--malgre-tout]\n"
     "  vantor export comptable --du JJ.MM.AAAA --au JJ.MM.AAAA --out FICHIER ...\n"},
    {kReport, 0, false, true,
     "  vantor report totaux|journal|resume [--du JJ.MM.AAAA] [--au JJ.MM.AAAA]\n"
     "                [--serveur NOM] [--detail] [--data-dir DOSSIER] [--today JJ.MM.AAAA]\n"
     "                [--pdf FICHIER]\n"
     "  vantor report z --du JJ.MM.AAAA [--data-dir DOSSIER] [--pdf FICHIER]\n"
     "  vantor report graphique [--du JJ.MM.AAAA] [--au JJ.MM.AAAA]\n"
     "                [--comparer semaine|mois|annee] --out FICHIER.png|.svg|.pdf\n"
     "                [--data-dir DOSSIER] [--today JJ.MM.AAAA]\n"},
    {kVerify, 1, false, false, nullptr},
    {kArchive, 0, false, false, nullptr},
    {kBackup, 0, true, false,
     "  vantor sauvegarder [--data-dir DOSSIER] [--vers DESTINATION]...\n"
     "  (DESTINATION : un dossier, une clé USB, un partage monté)\n"},
    {kRestore, 0, true, false,
     "  vantor restaurer --depuis DESTINATION [--sauvegarde NOM] --data-dir DOSSIER\n"
     "                   [--remplacer] [--malgre-tout]\n"},
    {kExport, 0, false, false,
     "  vantor export comptable --du JJ.MM.AAAA --au JJ.MM.AAAA --out FICHIER\n"
     "                [--format csv|fec] [--jours-ouverts] [--data-dir DOSSIER]\n"},
    {kPersonnel, 2, true, false,
     "  vantor personnel ajouter NOM --role Responsable|Serveur [--data-dir DOSSIER]\n"
     "  vantor personnel liste [--data-dir DOSSIER]\n"
     "  vantor personnel reinitialiser NOM [--data-dir DOSSIER]\n"
     "  (le code, deux fois, une ligne chacune sur l'entrée standard)\n"},
};

// verify and archive share their usage.
constexpr const char* kLedgerUsage =
    "  vantor verify [--data-dir DOSSIER] [--contre CODE|ARCHIVE|SAUVEGARDE]...\n"
    "  vantor verify ARCHIVE\n"
    "  vantor archive --du JJ.MM.AAAA --au JJ.MM.AAAA [--data-dir DOSSIER] --out ARCHIVE\n";

const CommandRules& RulesOf(Command command) {
    return *std::find_if(std::begin(kRules), std::end(kRules),
                         [command](const CommandRules& rules) { return rules.command == command; });
}

const Option* Find(Command command, std::string_view word) {
    for (const Option& option : kOptions) {
        if (option.name == word && (option.commands & command) != 0) {
            return &option;
        }
    }
    return nullptr;
}

std::string Unknown(const std::string& word) {
    return "argument inconnu : " + word;
}

std::string MissingValue(const std::string& word) {
    return "valeur manquante après " + word;
}

}  // namespace

bool CommandLine::Has(std::string_view option) const {
    return values.find(option) != values.end() || repeated.find(option) != repeated.end();
}

std::optional<std::string> CommandLine::Value(std::string_view option) const {
    const auto found = values.find(option);
    return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
}

std::vector<std::string> CommandLine::Values(std::string_view option) const {
    const auto found = repeated.find(option);
    return found == repeated.end() ? std::vector<std::string>{} : found->second;
}

std::optional<CommandLine> ReadCommandLine(Command command, const std::vector<std::string>& words,
                                           std::string& error, const ValueCheck& check) {
    const CommandRules& rules = RulesOf(command);
    CommandLine line;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool last = i + 1 >= words.size();
        const Option* option = Find(command, word);
        if (option == nullptr) {
            if (!word.starts_with("--") && line.plain.size() < rules.plainWords) {
                line.plain.push_back(word);
                continue;
            }
            const bool lacksValue = last && rules.unknownOptionTakesValue && word.starts_with("--");
            error = lacksValue ? MissingValue(word) : Unknown(word);
            return std::nullopt;
        }
        if (!option->takesValue) {
            line.values[word] = "";
            continue;
        }
        if (last || (rules.emptyValueIsMissing && words[i + 1].empty())) {
            error = MissingValue(word);
            return std::nullopt;
        }
        const std::string& value = words[++i];
        if (check) {
            error = check(word, value);
            if (!error.empty()) {
                return std::nullopt;
            }
        }
        if (option->repeated) {
            line.repeated[word].push_back(value);
        } else {
            line.values[word] = value;
        }
    }
    return line;
}

std::string Usage(Command command) {
    const char* lines = RulesOf(command).usage;
    return std::string("Utilisation :\n") + (lines != nullptr ? lines : kLedgerUsage);
}

void TellUsage(std::ostream& err, Command command, const std::string& reason) {
    err << reason << '\n' << Usage(command);
}

}  // namespace vantor
