// The program of the build without Qt: the headless till driven by a script,
// the reports and the checks of the journal. There is no window, and the
// only system printers are the raw CUPS queues of receipt printers.
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/Arguments.h"
#include "app/Commands.h"
#include "app/HeadlessRun.h"
#include "data/TextFile.h"
#include "headless/FolderInstance.h"
#include "headless/HeaderPictures.h"
#include "headless/IniSettings.h"
#include "platform/ProgramEntry.h"
#include "platform/SystemClock.h"
#include "platform/UserFolders.h"
#if VANTOR_WITH_CUPS
#include "cups/CupsPrinters.h"
#endif

namespace {

std::string SettingsFile() {
    return vantor::JoinPath(
        vantor::JoinPath(vantor::SystemUserFolders().Configuration(), "Telvora"), "VantorW.conf");
}

std::unique_ptr<vantor::Printers> SystemPrinters(vantor::Clock& /*clock*/) {
#if VANTOR_WITH_CUPS
    return std::make_unique<vantor::CupsPrinters>();
#else
    return std::make_unique<vantor::NoPrinters>();
#endif
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words = vantor::EnterProgram(argc, argv);
    vantor::IniSettings settings(SettingsFile());
    vantor::SystemClock clock;
    if (std::optional<int> status = vantor::RunDataCommand(words, settings, clock)) {
        return *status;
    }
    std::optional<vantor::Arguments> arguments = vantor::ArgumentsOrUsage(words);
    if (!arguments) {
        return 2;
    }
    if (!arguments->headless || arguments->pdfDir) {
        std::cerr << "Cette version de Vantor n'a ni fenêtre ni fichiers PDF : "
                     "lancez-la avec --headless, sans --pdf-dir.\n";
        return 2;
    }
    vantor::FolderInstance instance;
    vantor::HeaderPictures pictures;
    return vantor::RunHeadless(*arguments, settings, instance, pictures, clock, {}, SystemPrinters);
}
