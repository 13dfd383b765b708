#include "app/LedgerCommands.h"

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>

#include "data/Dates.h"
#include "data/TextFile.h"
#include "ledger/Anchors.h"
#include "ledger/Archive.h"
#include "ledger/Verify.h"
#include "startup/Startup.h"

namespace vantor {

namespace {

// "--name value" pairs and at most one plain word; nullopt after telling err.
// An option may be given several times: its values in order.
struct Words {
    std::map<std::string, std::string> options;
    std::map<std::string, std::vector<std::string>> repeated;
    std::optional<std::string> file;
};

std::optional<Words> ReadWords(const std::vector<std::string>& words,
                               std::initializer_list<const char*> names, bool fileAllowed,
                               std::ostream& err) {
    Words read;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool known = std::find(names.begin(), names.end(), word) != names.end();
        if (known && i + 1 < words.size()) {
            read.options[word] = words[i + 1];
            read.repeated[word].push_back(words[++i]);
        } else if (!word.starts_with("--") && fileAllowed && !read.file) {
            read.file = word;
        } else {
            err << (known ? "valeur manquante après " + word : "argument inconnu : " + word)
                << "\nUtilisation :\n"
                << kLedgerUsage;
            return std::nullopt;
        }
    }
    return read;
}

std::optional<std::string> Folder(const Words& words, Settings& settings, std::ostream& err) {
    StartOptions options;
    if (auto dir = words.options.find("--data-dir"); dir != words.options.end()) {
        options.dataDir = dir->second;
    }
    const std::string folder =
        options.dataDir ? *options.dataDir : DataFolderOf(settings, SystemUserFolders(), options);
    if (!DirectoryExists(folder)) {
        err << "Dossier de données introuvable : " << folder << '\n';
        return std::nullopt;
    }
    return folder;
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

std::optional<std::vector<Anchor>> ReadAnchors(const Words& read, std::ostream& err) {
    std::vector<Anchor> anchors;
    const auto given = read.repeated.find("--contre");
    if (given == read.repeated.end()) {
        return anchors;
    }
    for (const std::string& source : given->second) {
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

int RunVerifyCommand(const std::vector<std::string>& words, Settings& settings, std::ostream& out,
                     std::ostream& err) {
    const std::optional<Words> read = ReadWords(words, {"--data-dir", "--contre"}, true, err);
    if (!read) {
        return 2;
    }
    const std::optional<std::vector<Anchor>> anchors = ReadAnchors(*read, err);
    if (!anchors) {
        return 2;
    }
    try {
        if (read->file) {
            if (!anchors->empty()) {
                err << "--contre vérifie le dossier de données, pas une archive\n";
                return 2;
            }
            return VerifyArchiveFile(*read->file, out, err);
        }
        const std::optional<std::string> folder = Folder(*read, settings, err);
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
    const std::optional<Words> read =
        ReadWords(words, {"--du", "--au", "--data-dir", "--out"}, false, err);
    if (!read) {
        return 2;
    }
    const auto value = [&](const char* name) {
        auto found = read->options.find(name);
        return found == read->options.end() ? std::string() : found->second;
    };
    const std::optional<Date> du = ParseDate(value("--du"));
    const std::optional<Date> au = ParseDate(value("--au"));
    if (!du || !au || value("--out").empty() || *au < *du) {
        err << "--du, --au (dates JJ.MM.AAAA, la fin après le début) et --out sont demandés\n"
            << "Utilisation :\n"
            << kLedgerUsage;
        return 2;
    }
    const std::optional<std::string> folder = Folder(*read, settings, err);
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
