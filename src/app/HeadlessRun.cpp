#include "app/HeadlessRun.h"

#include <fstream>
#include <iostream>

#include "data/Numbers.h"
#include "data/TextFile.h"
#include "headless/ScriptRunner.h"
#include "headless/TranscriptPrinters.h"
#include "platform/Paths.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

using headless::Quote;

// The till's state that a script can read with `show`.
headless::ScriptRunner::Variables TillVariables(TillData& data, frmMain& main) {
    return [&data, &main](const std::string& name, int index) -> std::optional<std::string> {
        if (name == "Printer")
            return Quote(main.platform().printers.Current());
        if (name == "NumTicket")
            return std::to_string(data.NumTicket);
        if (name == "Serveur")
            return Quote(data.Serveur);
        if (name == "DataPath")
            return Quote(data.DataPath);
        if (name == "RapportAffiche")
            return data.RapportAffiche ? "True" : "False";
        if (name == "TexteBon")
            return Quote(data.TexteBon);
        if (name == "PartEspeces")
            return NumberToText(data.PartEspeces);
        if (name == "PositionDefil")
            return std::to_string(main.PositionDefil());
        if (name == "TotalTicket")
            return NumberToText(main.TotalTicket());
        if (name == "Quantite")
            return std::to_string(main.Quantite());
        const std::vector<std::string>& records = main.LignesTicket();
        if (name == "LignesTicket" && index >= 0 && index < static_cast<int>(records.size())) {
            return Quote(records[static_cast<std::size_t>(index)]);
        }
        if (name == "LignesTicket" && index < 0)
            return std::to_string(records.size());
        if (name == "Infos" && index >= 0 && index < kInfoCount) {
            return Quote(data.Infos[static_cast<std::size_t>(index)]);
        }
        if (name == "Categories" && index >= 0 && index < kCategoryCount) {
            return Quote(data.Categories[static_cast<std::size_t>(index)]);
        }
        return std::nullopt;
    };
}

}  // namespace

int RunHeadless(const Arguments& arguments, Settings& settings, SingleInstance& instance,
                Pictures& pictures, Clock& systemClock, const PdfDeviceFactory& pdfDevices,
                const SystemPrintersFactory& systemPrinters, const ReportDrawers* drawers) {
    std::ifstream file;
    if (arguments.scriptFile) {
        if (!DirectoryExists(*arguments.scriptFile)) {
            // Binary: a text-mode read on Windows would end the script at a 0x1A byte.
            file.open(ToPath(*arguments.scriptFile), std::ios::binary);
        }
        if (!file.is_open()) {
            std::cerr << "Impossible de lire le script " << *arguments.scriptFile << '\n';
            return 2;
        }
    }
    std::istream& script = arguments.scriptFile ? file : std::cin;
    headless::ScriptClock clock(systemClock);
    headless::ScriptPrinters printers(std::cout, pdfDevices);
    // --system-printers: each document also in the transcript.
    std::unique_ptr<Printers> system = arguments.systemPrinters ? systemPrinters(clock) : nullptr;
    std::optional<headless::TranscriptPrinters> transcribedSystem;
    if (system) {
        transcribedSystem.emplace(std::cout, *system);
    }
    Printers& tillPrinters = transcribedSystem ? static_cast<Printers&>(*transcribedSystem)
                                               : static_cast<Printers&>(printers);
    headless::TranscriptShell shell(std::cout);
    headless::ScriptRunner runner(script, std::cout, clock, printers, &shell);
    headless::TranscriptKeyboard keyboard(shell);
    // A backup runs at once: the transcript comes out the same at every run.
    ImmediateBackground background;
    Platform platform{runner,   tillPrinters,        settings,  shell, keyboard, clock,
                      pictures, SystemUserFolders(), background};
    try {
        runner.RunPrelude();
        Till till = StartTill(platform, instance, arguments.start);
        if (till.status == StartStatus::OtherInstance) {
            std::cerr << "Vantor est déjà ouvert sur ce dossier de données.\n";
            return 1;
        }
        if (till.status != StartStatus::Running) {
            return 1;
        }
        tillPrinters.SetDataFolder(till.data->DataPath);
        till.main->SetDrawers(drawers);
        runner.Run(*till.main, TillVariables(*till.data, *till.main));
        std::cout.flush();
        return 0;
    } catch (const headless::ScriptError& error) {
        std::cout.flush();
        std::cerr << "ligne " << runner.LineNumber() << " : " << error.what() << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "ligne " << runner.LineNumber() << " : erreur : " << error.what() << '\n';
        return 1;
    }
}

}  // namespace vantor
