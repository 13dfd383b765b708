#include "app/ExportCommand.h"

#include <optional>

#include "app/CommandLine.h"
#include "checkout/Journal.h"
#include "data/Dates.h"
#include "data/TextFile.h"
#include "reports/ExportComptable.h"
#include "reports/Report.h"
#include "startup/Startup.h"

namespace vantor {

namespace {

struct ExportArguments {
    Date du;
    Date au;
    std::string out;
    bool fec = false;
    bool ouverts = false;
    std::optional<std::string> dataDir;
};

std::string ExportRefusal(std::string_view option, const std::string& value) {
    if ((option == "--du" || option == "--au") && !ParseDate(value)) {
        return "date attendue (JJ.MM.AAAA) après " + std::string(option) + " : " + value;
    }
    if (option == "--format" && value != "csv" && value != "fec") {
        return "format attendu : csv ou fec, pas " + value;
    }
    return "";
}

// The arguments, or nullopt with the reason in error.
std::optional<ExportArguments> ParseExport(const std::vector<std::string>& words,
                                           std::string& error) {
    if (words.empty() || words[0] != "comptable") {
        error = "export attendu : comptable";
        return std::nullopt;
    }
    const std::optional<CommandLine> line =
        ReadCommandLine(kExport, {words.begin() + 1, words.end()}, error, ExportRefusal);
    if (!line) {
        return std::nullopt;
    }
    const std::optional<std::string> du = line->Value("--du");
    const std::optional<std::string> au = line->Value("--au");
    const std::optional<std::string> out = line->Value("--out");
    if (!du || !au || !out || out->empty()) {
        error = "--du, --au et --out sont demandés";
        return std::nullopt;
    }
    ExportArguments arguments;
    arguments.du = *ParseDate(*du);
    arguments.au = *ParseDate(*au);
    if (arguments.au < arguments.du) {
        error = kFinAvantDebut;
        return std::nullopt;
    }
    arguments.out = *out;
    arguments.fec = line->Value("--format") == "fec";
    arguments.ouverts = line->Has("--jours-ouverts");
    arguments.dataDir = line->Value("--data-dir");
    return arguments;
}

}  // namespace

int RunExportCommand(const std::vector<std::string>& words, Settings& settings, std::ostream& out,
                     std::ostream& err) {
    std::string error;
    const std::optional<ExportArguments> arguments = ParseExport(words, error);
    if (!arguments) {
        TellUsage(err, kExport, error);
        return 2;
    }
    StartOptions options;
    options.dataDir = arguments->dataDir;
    const std::string folder = DataFolderOf(settings, SystemUserFolders(), options);
    if (!DirectoryExists(folder)) {
        err << "Dossier de données introuvable : " << folder << '\n';
        return 2;
    }
    if (DansDossierDonnees(arguments->out, folder)) {
        err << kExportHorsDossier << arguments->out << '\n';
        return 2;
    }
    if (!FileExists(JoinPath(folder, kJournalFile))) {
        err << kAucunTicket << '\n';
        return 1;
    }
    std::string bytes;
    ExportComptable data;
    try {
        data = LireExportComptable(folder, arguments->du, arguments->au, arguments->ouverts);
        bytes = arguments->fec ? FecComptable(data) : CsvComptable(data);
    } catch (const FileError& failure) {
        err << failure.what() << '\n';
        return 1;
    }
    try {
        WriteFileAtomic(arguments->out, bytes);
    } catch (const FileError& failure) {
        err << kExportNonEcrit << failure.what() << '\n';
        return 2;
    }
    for (const std::string& line : CouvertureExport(data)) {
        out << line << '\n';
    }
    out << kExportEcrit << arguments->out << '\n';
    return 0;
}

}  // namespace vantor
