#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/ReportCommand.h"
#include "platform/Services.h"

namespace vantor {

// `vantor report|verify|archive|sauvegarder|restaurer|personnel ...` (words without the
// program's name): the commands that work on a data folder without opening the till, and
// `--help`.
// nullopt when the words are not one of them; otherwise the command's exit
// status, its output on standard output and its errors on standard error.
// drawers make the reports' PDF files and charts; none where the toolkit is not loaded.
std::optional<int> RunDataCommand(const std::vector<std::string>& words, Settings& settings,
                                  Clock& clock, const ReportDrawers* drawers = nullptr);

}  // namespace vantor
