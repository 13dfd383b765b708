#include "app/Commands.h"

#include <iostream>

#include "app/BackupCommands.h"
#include "app/CommandLine.h"
#include "app/ExportCommand.h"
#include "app/LedgerCommands.h"
#include "app/PersonnelCommand.h"
#include "app/ReportCommand.h"

namespace vantor {

std::optional<int> RunDataCommand(const std::vector<std::string>& words, Settings& settings,
                                  Clock& clock, const ReportDrawers* drawers) {
    if (words.empty()) {
        return std::nullopt;
    }
    if (words.size() == 1 && (words[0] == "--help" || words[0] == "-h")) {
        std::cout << Usage(kTill);
        return 0;
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (words[0] == "report") {
        return RunReportCommand(rest, settings, clock, std::cout, std::cerr, drawers);
    }
    if (words[0] == "verify") {
        return RunVerifyCommand(rest, settings, std::cout, std::cerr);
    }
    if (words[0] == "export") {
        return RunExportCommand(rest, settings, std::cout, std::cerr);
    }
    if (words[0] == "archive") {
        return RunArchiveCommand(rest, settings, std::cout, std::cerr);
    }
    if (words[0] == "sauvegarder") {
        return RunBackupCommand(rest, settings, clock, std::cout, std::cerr);
    }
    if (words[0] == "restaurer") {
        return RunRestoreCommand(rest, clock, std::cout, std::cerr);
    }
    if (words[0] == "personnel") {
        return RunPersonnelCommand(rest, settings, clock, std::cin, std::cout, std::cerr);
    }
    return std::nullopt;
}

}  // namespace vantor
