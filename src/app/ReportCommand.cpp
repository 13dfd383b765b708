#include "app/ReportCommand.h"

#include <algorithm>
#include <optional>

#include "data/Dates.h"
#include "data/TextFile.h"
#include "reports/Report.h"
#include "reports/ReportFolder.h"
#include "startup/Startup.h"

namespace vantor {

namespace {

struct ReportArguments {
    std::string kind;  // totaux, journal or resume
    std::optional<Date> du;
    std::optional<Date> au;
    std::optional<Date> today;
    std::optional<std::string> serveur;
    bool detail = false;
    StartOptions folder;
};

// A date option's value, or the reason it is not one.
std::optional<Date> DateValue(const std::string& option, const std::string& text,
                              std::string& error) {
    std::optional<Date> date = ParseDate(text);
    if (!date) {
        error = "date attendue (JJ.MM.AAAA) après " + option + " : " + text;
    }
    return date;
}

std::optional<ReportArguments> Parse(const std::vector<std::string>& words, std::string& error) {
    ReportArguments arguments;
    if (words.empty() || (words[0] != "totaux" && words[0] != "journal" && words[0] != "resume")) {
        error = "rapport attendu : totaux, journal ou resume";
        return std::nullopt;
    }
    arguments.kind = words[0];
    for (std::size_t i = 1; i < words.size() && error.empty(); ++i) {
        const std::string& word = words[i];
        if (word == "--detail") {
            arguments.detail = true;
            continue;
        }
        if (i + 1 >= words.size()) {
            error = word.starts_with("--") ? "valeur manquante après " + word
                                           : "argument inconnu : " + word;
            break;
        }
        const std::string& value = words[++i];
        if (word == "--du" || word == "--au" || word == "--today") {
            std::optional<Date>& date = word == "--du"   ? arguments.du
                                        : word == "--au" ? arguments.au
                                                         : arguments.today;
            date = DateValue(word, value, error);
        } else if (word == "--serveur") {
            arguments.serveur = value;
        } else if (word == "--data-dir") {
            arguments.folder.dataDir = value;
        } else {
            error = "argument inconnu : " + word;
        }
    }
    if (error.empty() && arguments.kind != "totaux" && (arguments.serveur || arguments.detail)) {
        error = "--serveur et --detail vont avec le rapport totaux";
    }
    return error.empty() ? std::optional<ReportArguments>(arguments) : std::nullopt;
}

// The position of the waiter in the screen's waiter filter; 0 for all.
std::optional<int> IndexServeur(const ReportSettings& settings,
                                const std::optional<std::string>& serveur) {
    if (!serveur) {
        return 0;
    }
    auto found = std::find(settings.serveurs.begin() + 1, settings.serveurs.end(), *serveur);
    if (found == settings.serveurs.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - settings.serveurs.begin());
}

int Print(const Report& report, std::ostream& out, std::ostream& err) {
    if (report.noJournal) {
        err << kAucunTicket << '\n';
        return 1;
    }
    for (const std::string& line : report.lines) {
        out << line << '\n';
    }
    out.flush();
    if (report.unreadable > 0) {
        err << AvisIllisibles(report.unreadable) << '\n';
    }
    return 0;
}

}  // namespace

int RunReportCommand(const std::vector<std::string>& words, Settings& settings, Clock& clock,
                     std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<ReportArguments> arguments = Parse(words, error);
    if (!arguments) {
        err << error << "\nUtilisation :\n" << kReportUsage;
        return 2;
    }
    const Date today = arguments->today.value_or(clock.Now().date);
    const Date debut = arguments->du.value_or(today);
    const Date fin = arguments->au.value_or(today);
    const std::string folder = DataFolderOf(settings, SystemUserFolders(), arguments->folder);
    if (arguments->folder.dataDir && !DirectoryExists(folder)) {
        err << "Dossier de données introuvable : " << folder << '\n';
        return 2;
    }
    try {
        const ReportSettings report = ReglagesDuDossier(folder, today);
        const std::optional<int> index = IndexServeur(report, arguments->serveur);
        if (!index) {
            err << "serveur inconnu : " << *arguments->serveur << '\n';
            return 2;
        }
        if (fin < debut) {
            err << kFinAvantDebut << '\n';
            return 1;
        }
        if (arguments->kind == "totaux") {
            return Print(GenererTotaux(report, debut, fin, *index, arguments->detail), out, err);
        }
        return Print(JournalVantor(report, arguments->kind == "resume", debut, fin), out, err);
    } catch (const FileError& failure) {
        err << failure.what() << '\n';
        return 1;
    }
}

}  // namespace vantor
