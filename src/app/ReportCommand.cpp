#include "app/ReportCommand.h"

#include <algorithm>
#include <optional>

#include "app/CommandLine.h"
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

// Why the value of a date option is not a date; "" when it is one.
std::string DateRefusal(std::string_view option, const std::string& value) {
    const bool date = option == "--du" || option == "--au" || option == "--today";
    if (date && !ParseDate(value)) {
        return "date attendue (JJ.MM.AAAA) après " + std::string(option) + " : " + value;
    }
    return "";
}

std::optional<Date> DateOption(const CommandLine& line, std::string_view option) {
    const std::optional<std::string> value = line.Value(option);
    return value ? ParseDate(*value) : std::nullopt;
}

std::optional<ReportArguments> Parse(const std::vector<std::string>& words, std::string& error) {
    if (words.empty() || (words[0] != "totaux" && words[0] != "journal" && words[0] != "resume")) {
        error = "rapport attendu : totaux, journal ou resume";
        return std::nullopt;
    }
    const std::optional<CommandLine> line =
        ReadCommandLine(kReport, {words.begin() + 1, words.end()}, error, DateRefusal);
    if (!line) {
        return std::nullopt;
    }
    ReportArguments arguments;
    arguments.kind = words[0];
    arguments.du = DateOption(*line, "--du");
    arguments.au = DateOption(*line, "--au");
    arguments.today = DateOption(*line, "--today");
    arguments.serveur = line->Value("--serveur");
    arguments.detail = line->Has("--detail");
    arguments.folder.dataDir = line->Value("--data-dir");
    if (arguments.kind != "totaux" && (arguments.serveur || arguments.detail)) {
        error = "--serveur et --detail vont avec le rapport totaux";
        return std::nullopt;
    }
    return arguments;
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
        TellUsage(err, kReport, error);
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
