#include "app/LedgerCommands.h"

#include <optional>
#include <stdexcept>

#include "app/CommandLine.h"
#include "data/Dates.h"
#include "data/TextFile.h"
#include "ledger/Anchors.h"
#include "ledger/Archive.h"
#include "ledger/Verify.h"
#include "startup/Startup.h"

namespace vantor {

namespace {

// The command's words; nullopt after telling err why they are refused.
std::optional<CommandLine> ReadWords(Command command, const std::vector<std::string>& words,
                                     std::ostream& err) {
    std::string error;
    std::optional<CommandLine> line = ReadCommandLine(command, words, error);
    if (!line) {
        TellUsage(err, command, error);
    }
    return line;
}

void PrintCheck(const LedgerCheck& check, std::ostream& out) {
    out << CheckSummary(check) << '\n';
    if (check.intact && check.closures > 0) {
        out << SignedClosuresLine(check) << '\n';
    }
    if (check.intact && check.interrupted) {
        out << "Écriture interrompue : " << InterruptedWhat(*check.interrupted)
            << " (écartée au prochain démarrage de Vantor)\n";
    }
}

int VerifyArchiveFile(const std::string& file, std::ostream& out, std::ostream& err) {
    if (!FileExists(file)) {
        err << "Archive introuvable : " << file << '\n';
        return 2;
    }
    const ArchiveCheck check = VerifyArchive(file);
    out << check.summary << '\n';
    for (const std::string& remark : check.remarks) {
        out << remark << '\n';
    }
    return check.intact ? 0 : 1;
}

// The anchors of --contre, each a code, an archive or a backup folder; nullopt
// after telling err why one is none of them.
struct Anchor {
    std::optional<ChainCode> code;
    std::string path;
    bool folder = false;
};

std::optional<std::vector<Anchor>> ReadAnchors(const CommandLine& line, std::ostream& err) {
    std::vector<Anchor> anchors;
    for (const std::string& source : line.Values("--contre")) {
        std::string why;
        Anchor anchor;
        anchor.code = ParseChainCode(source, why);
        anchor.path = source;
        anchor.folder = !anchor.code && DirectoryExists(source);
        if (!why.empty() || (!anchor.code && !anchor.folder && !FileExists(source))) {
            err << "--contre : " << (why.empty() ? "ancre introuvable : " + source : why) << '\n'
                << "(un code N:HHHHHHHH lu sur un ticket ou un rapport Z, une archive signée ou "
                   "une sauvegarde du dossier de données)\n";
            return std::nullopt;
        }
        anchors.push_back(std::move(anchor));
    }
    return anchors;
}

// Prints each check; true when every anchor agrees.
bool CheckAnchors(const std::string& folder, const std::vector<Anchor>& anchors,
                  std::ostream& out) {
    bool agree = true;
    for (const Anchor& anchor : anchors) {
        const AnchorCheck check = anchor.code     ? CheckAgainstCode(folder, *anchor.code)
                                  : anchor.folder ? CheckAgainstBackup(folder, anchor.path)
                                                  : CheckAgainstArchive(folder, anchor.path);
        out << check.text << '\n';
        agree = agree && check.agrees;
    }
    return agree;
}

}  // namespace

std::optional<std::string> CommandFolder(const CommandLine& line, Settings& settings,
                                         std::ostream& err) {
    StartOptions options;
    options.dataDir = line.Value("--data-dir");
    const std::string folder =
        options.dataDir ? *options.dataDir : DataFolderOf(settings, SystemUserFolders(), options);
    if (!DirectoryExists(folder)) {
        err << "Dossier de données introuvable : " << folder << '\n';
        return std::nullopt;
    }
    return folder;
}

int RunVerifyCommand(const std::vector<std::string>& words, Settings& settings, std::ostream& out,
                     std::ostream& err) {
    const std::optional<CommandLine> read = ReadWords(kVerify, words, err);
    if (!read) {
        return 2;
    }
    const std::optional<std::vector<Anchor>> anchors = ReadAnchors(*read, err);
    if (!anchors) {
        return 2;
    }
    try {
        if (!read->plain.empty()) {
            if (!anchors->empty()) {
                err << "--contre vérifie le dossier de données, pas une archive\n";
                return 2;
            }
            return VerifyArchiveFile(read->plain.front(), out, err);
        }
        const std::optional<std::string> folder = CommandFolder(*read, settings, err);
        if (!folder) {
            return 2;
        }
        const LedgerCheck check = VerifyLedger(*folder);
        PrintCheck(check, out);
        const bool agree = CheckAnchors(*folder, *anchors, out);
        return check.intact && agree ? 0 : 1;
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return 2;
    }
}

int RunArchiveCommand(const std::vector<std::string>& words, Settings& settings, std::ostream& out,
                      std::ostream& err) {
    const std::optional<CommandLine> read = ReadWords(kArchive, words, err);
    if (!read) {
        return 2;
    }
    const auto value = [&](const char* name) { return read->Value(name).value_or(""); };
    const std::optional<Date> du = ParseDate(value("--du"));
    const std::optional<Date> au = ParseDate(value("--au"));
    if (!du || !au || value("--out").empty() || *au < *du) {
        TellUsage(err, kArchive,
                  "--du, --au (dates JJ.MM.AAAA, la fin après le début) et --out sont demandés");
        return 2;
    }
    const std::optional<std::string> folder = CommandFolder(*read, settings, err);
    if (!folder) {
        return 2;
    }
    try {
        const std::uint64_t records = WriteArchive(*folder, *du, *au, value("--out"));
        out << "Archive écrite : " << value("--out") << ", " << records << " enregistrements\n";
        return 0;
    } catch (const std::runtime_error& error) {
        err << "Archive non écrite : " << error.what() << '\n';
        return 1;
    }
}

}  // namespace vantor
