#pragma once

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The commands that read options; bits, since an option may serve several.
enum Command : unsigned {
    kTill = 1,  // the till itself: the window, or --headless
    kReport = 2,
    kVerify = 4,
    kArchive = 8,
    kBackup = 16,
    kRestore = 32,
    kExport = 64,
    kPersonnel = 128,
};

// One option of the command line.
struct Option {
    std::string_view name;
    bool takesValue;    // the next word is its value; otherwise a flag
    bool repeated;      // every value is kept, in order; otherwise the last one counts
    unsigned commands;  // the Command bits of the commands that take it
};

// Every option of every command.
inline constexpr Option kOptions[] = {
    // name               value  repeated  commands
    {"--data-dir", true, false,
     kTill | kReport | kVerify | kArchive | kBackup | kRestore | kExport | kPersonnel},
    {"--headless", false, false, kTill},
    {"--script", true, false, kTill},
    {"--pdf-dir", true, false, kTill},
    {"--system-printers", false, false, kTill},
    {"--exit-when-shown", false, false, kTill},
    {"--du", true, false, kReport | kArchive | kExport},
    {"--au", true, false, kReport | kArchive | kExport},
    {"--today", true, false, kReport},
    {"--serveur", true, false, kReport},
    {"--detail", false, false, kReport},
    {"--pdf", true, false, kReport},
    {"--comparer", true, false, kReport},
    {"--contre", true, true, kVerify},
    {"--out", true, false, kReport | kArchive | kExport},
    {"--vers", true, true, kBackup},
    {"--depuis", true, false, kRestore},
    {"--sauvegarde", true, false, kRestore},
    {"--remplacer", false, false, kRestore},
    {"--malgre-tout", false, false, kRestore},
    {"--format", true, false, kExport},
    {"--jours-ouverts", false, false, kExport},
    {"--role", true, false, kPersonnel},
};

// What a command's words said: its options with their values, and the words
// that are no option (the archive that verify checks).
struct CommandLine {
    std::map<std::string, std::string, std::less<>> values;  // the last one given; "" for a flag
    std::map<std::string, std::vector<std::string>, std::less<>> repeated;  // all, in order
    std::vector<std::string> plain;

    bool Has(std::string_view option) const;
    // The value of an option taken once, or nullopt.
    std::optional<std::string> Value(std::string_view option) const;
    // Every value of a repeated option, in order.
    std::vector<std::string> Values(std::string_view option) const;
};

// Why a value is refused ("" when it is taken), asked as each value is read:
// the first fault in the line is the one told.
using ValueCheck = std::function<std::string(std::string_view option, const std::string& value)>;

// The command's words (without the program's and the command's names), or
// nullopt with the reason in error: "argument inconnu : X", "valeur manquante
// après X", or what check said.
std::optional<CommandLine> ReadCommandLine(Command command, const std::vector<std::string>& words,
                                           std::string& error, const ValueCheck& check = {});

// "Utilisation :" and the command's lines (the till's tell every command).
std::string Usage(Command command);
// The reason of a refusal, then the command's usage.
void TellUsage(std::ostream& err, Command command, const std::string& reason);

}  // namespace vantor
