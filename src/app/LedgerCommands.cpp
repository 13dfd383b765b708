#include "app/LedgerCommands.h"

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>

#include "data/Dates.h"
#include "data/TextFile.h"
#include "ledger/Archive.h"
#include "ledger/Verify.h"
#include "startup/Startup.h"

namespace vantor {

namespace {

// "--name value" pairs and at most one plain word; nullopt after telling err.
struct Words {
    std::map<std::string, std::string> options;
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
            read.options[word] = words[++i];
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

}  // namespace

int RunVerifyCommand(const std::vector<std::string>& words, Settings& settings, std::ostream& out,
                     std::ostream& err) {
    const std::optional<Words> read = ReadWords(words, {"--data-dir"}, true, err);
    if (!read) {
        return 2;
    }
    try {
        if (read->file) {
            return VerifyArchiveFile(*read->file, out, err);
        }
        const std::optional<std::string> folder = Folder(*read, settings, err);
        if (!folder) {
            return 2;
        }
        const LedgerCheck check = VerifyLedger(*folder);
        PrintCheck(check, out);
        return check.intact ? 0 : 1;
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
