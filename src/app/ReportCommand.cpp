#include "app/ReportCommand.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "app/CommandLine.h"
#include "checkout/ReceiptLines.h"
#include "data/Dates.h"
#include "data/ReceiptPaperFile.h"
#include "data/TextFile.h"
#include "ledger/Closures.h"
#include "reports/Clotures.h"
#include "reports/Graphiques.h"
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
    std::optional<std::string> pdf;
    std::optional<std::string> graphique;  // --out of the charts
    std::optional<std::string> comparer;
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
    if (words.empty() || (words[0] != "totaux" && words[0] != "journal" && words[0] != "resume" &&
                          words[0] != "z" && words[0] != "graphique")) {
        error = "rapport attendu : totaux, journal, resume, z ou graphique";
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
    arguments.pdf = line->Value("--pdf");
    arguments.graphique = line->Value("--out");
    arguments.comparer = line->Value("--comparer");
    arguments.folder.dataDir = line->Value("--data-dir");
    if (arguments.kind != "totaux" && (arguments.serveur || arguments.detail)) {
        error = "--serveur et --detail vont avec le rapport totaux";
        return std::nullopt;
    }
    const bool charts = arguments.kind == "graphique";
    if (charts != arguments.graphique.has_value() || (arguments.comparer && !charts) ||
        (charts && arguments.pdf)) {
        error = "--out FICHIER et --comparer vont avec le rapport graphique, qui n'a pas --pdf";
        return std::nullopt;
    }
    if (arguments.comparer && !ComparaisonNommee(*arguments.comparer)) {
        error = "--comparer attend semaine, mois ou annee : " + *arguments.comparer;
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

// The report's name at the head of its pages, as the screen's choices name it.
std::string TitreDuRapport(const ReportArguments& arguments) {
    if (arguments.kind == "journal" || arguments.kind == "resume") {
        return TitreJournal(arguments.kind == "resume");
    }
    if (arguments.kind == "z") {
        return kTitreRapportZ;
    }
    return TitreTotaux(arguments.serveur.value_or(""), arguments.detail);
}

// Where the report's lines go: standard output, or the pages of a PDF file.
struct ReportOutput {
    std::ostream& out;
    std::ostream& err;
    std::optional<std::string> pdf;
    const ReportPdfWriter* writer = nullptr;
    PageHeading heading;
};

int WritePdf(const Report& report, const ReportOutput& to) {
    try {
        (*to.writer)(*to.pdf, LayOutReport(to.heading, report.lines));
    } catch (const std::runtime_error& failure) {
        to.err << failure.what() << '\n';
        return 2;
    }
    return 0;
}

int DrawCharts(const ReportSettings& report, const ReportArguments& arguments, const Date& debut,
               const Date& fin, const ReportOutput& to, const ChartFileWriter& draw) {
    const Comparaison comparaison =
        arguments.comparer ? *ComparaisonNommee(*arguments.comparer) : Comparaison::Aucune;
    const Graphiques graphiques = CalculerGraphiques(report, debut, fin, comparaison);
    if (graphiques.noJournal) {
        to.err << kAucunTicket << '\n';
        return 1;
    }
    try {
        draw(*arguments.graphique, graphiques, report.monnaie);
    } catch (const std::runtime_error& failure) {
        to.err << failure.what() << '\n';
        return 2;
    }
    if (graphiques.periode.unreadable > 0) {
        to.err << AvisIllisibles(graphiques.periode.unreadable) << '\n';
    }
    return 0;
}

int Print(const Report& report, const ReportOutput& to) {
    if (report.noJournal) {
        to.err << kAucunTicket << '\n';
        return 1;
    }
    if (to.pdf) {
        if (const int status = WritePdf(report, to)) {
            return status;
        }
    } else {
        for (const std::string& line : report.lines) {
            to.out << line << '\n';
        }
        to.out.flush();
    }
    if (report.unreadable > 0) {
        to.err << AvisIllisibles(report.unreadable) << '\n';
    }
    return 0;
}

}  // namespace

int RunReportCommand(const std::vector<std::string>& words, Settings& settings, Clock& clock,
                     std::ostream& out, std::ostream& err, const ReportDrawers* drawers) {
    std::string error;
    const std::optional<ReportArguments> arguments = Parse(words, error);
    if (!arguments) {
        TellUsage(err, kReport, error);
        return 2;
    }
    if ((arguments->pdf || arguments->graphique) && drawers == nullptr) {
        err << kSansDessins << '\n';
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
            return arguments->graphique ? 2 : 1;
        }
        const ReportOutput to{out,
                              err,
                              arguments->pdf,
                              drawers ? &drawers->pdf : nullptr,
                              {report.commerce, TitreDuRapport(*arguments),
                               PeriodeDuAu(FormatDate(debut), FormatDate(fin))}};
        if (arguments->kind == "z") {
            const std::optional<Report> z =
                RapportZDuJour(folder, report, debut, ReceiptWidth(LirePapier(folder)));
            if (!z) {
                err << SansClotureDuJour(debut) << '\n';
                return 1;
            }
            ReportOutput day = to;
            day.heading.periode = PeriodeDuAu(FormatDate(debut), FormatDate(debut));
            return Print(*z, day);
        }
        if (arguments->graphique) {
            return DrawCharts(report, *arguments, debut, fin, to, drawers->graphiques);
        }
        if (arguments->kind == "totaux") {
            return Print(GenererTotaux(report, debut, fin, *index, arguments->detail), to);
        }
        return Print(JournalVantor(report, arguments->kind == "resume", debut, fin), to);
    } catch (const FileError& failure) {
        err << failure.what() << '\n';
        return 1;
    }
}

}  // namespace vantor
