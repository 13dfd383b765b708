#include "app/PersonnelCommand.h"

#include <memory>
#include <optional>

#include "app/CommandLine.h"
#include "app/LedgerCommands.h"
#include "data/TextFile.h"
#include "platform/Console.h"
#include "platform/FolderLock.h"
#include "staff/PersonnelChanges.h"
#include "staff/StaffEvents.h"

namespace vantor {

namespace {

constexpr const char* kFromCommandLine = "en ligne de commande";

// The PIN typed twice, one line each (a CR before the LF, from a Windows
// pipe, is no part of it) into `first`, which the caller wipes; false after
// telling err why it is refused. Every other line read is wiped, and the
// PIN is never moved: a moved-from text keeps its characters.
bool ReadNewPin(std::istream& in, std::ostream& err, std::string& first) {
    std::string second;
    const auto read = [&in](std::string& line) {
        const bool got = static_cast<bool>(std::getline(in, line));
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return got;
    };
    bool gotSecond = false;
    {
        const HiddenTyping hidden;
        const auto prompt = [&](const char* text) {
            if (hidden.OnConsole()) {
                err << text << std::flush;
            }
        };
        prompt("Code (4 à 8 chiffres) : ");
        const bool gotFirst = read(first);
        prompt("\nLe même code, une seconde fois : ");
        gotSecond = gotFirst && read(second);
        prompt("\n");
    }
    std::string fault =
        !gotSecond ? "Le code n'a pas été lu deux fois (une ligne chacune)." : PinFault(first);
    if (fault.empty() && first != second) {
        fault = "Les deux codes tapés ne sont pas les mêmes.";
    }
    Wipe(second);
    if (!fault.empty()) {
        Wipe(first);
        err << fault << '\n';
        return false;
    }
    return true;
}

void TellProblems(const Personnel& personnel, std::ostream& err) {
    for (const std::string& probleme : personnel.Problemes()) {
        err << "Personnel.csv, " << probleme << " : personne ne se connecte avec cette ligne\n";
    }
}

int Liste(const std::string& folder, std::ostream& out, std::ostream& err) {
    const std::optional<Personnel> personnel = LirePersonnel(folder);
    if (!personnel) {
        out << "Aucun fichier du personnel : la gestion du personnel n'est pas activée.\n";
        return 0;
    }
    for (const Membre* membre : personnel->Membres()) {
        out << membre->nom << " : " << RoleName(membre->role) << '\n';
    }
    TellProblems(*personnel, err);
    return 0;
}

int Ajouter(const std::string& folder, const CommandLine& line, const DateTime& now,
            std::istream& in, std::ostream& out, std::ostream& err) {
    const std::optional<Role> role = ParseRole(line.Value("--role").value_or(""));
    if (!role) {
        TellUsage(err, kPersonnel, "--role Responsable ou --role Serveur est demandé");
        return 2;
    }
    Personnel personnel = LirePersonnel(folder).value_or(Personnel{});
    const std::string& nom = line.plain[1];
    if (const std::string fault = NomFault(nom, personnel); !fault.empty()) {
        err << fault << '\n';
        return 1;
    }
    std::string typed;
    if (!ReadNewPin(in, err, typed)) {
        return 1;
    }
    const Pin pin(typed);
    Wipe(typed);
    if (const std::string refusal = AjouterMembre(personnel, nom, *role, pin); !refusal.empty()) {
        err << refusal << '\n';
        return 1;
    }
    const Membre& added = *personnel.Membres().back();
    EnregistrerPersonnel(folder, personnel, now, staff_events::kPersonneAjoutee,
                         added.nom + " (" + RoleName(added.role) + "), " + kFromCommandLine);
    out << "Ajouté au personnel : " << added.nom << " (" << RoleName(added.role) << ")\n";
    return 0;
}

int Reinitialiser(const std::string& folder, const CommandLine& line, const DateTime& now,
                  std::istream& in, std::ostream& out, std::ostream& err) {
    std::optional<Personnel> personnel = LirePersonnel(folder);
    if (!personnel) {
        err << "Aucun fichier du personnel : la gestion du personnel n'est pas activée.\n";
        return 1;
    }
    const std::string& nom = line.plain[1];
    if (personnel->Trouver(nom) == nullptr) {
        err << nom << " ne fait pas partie du personnel.\n";
        TellProblems(*personnel, err);
        return 1;
    }
    std::string typed;
    if (!ReadNewPin(in, err, typed)) {
        return 1;
    }
    const Pin pin(typed);
    Wipe(typed);
    if (const std::string refusal = ChangerCode(*personnel, nom, pin); !refusal.empty()) {
        err << refusal << '\n';
        return 1;
    }
    EnregistrerPersonnel(folder, *personnel, now, staff_events::kCodeModifie,
                         nom + ", " + kFromCommandLine);
    out << "Nouveau code enregistré pour " << nom << '\n';
    return 0;
}

}  // namespace

int RunPersonnelCommand(const std::vector<std::string>& words, Settings& settings, Clock& clock,
                        std::istream& in, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<CommandLine> line = ReadCommandLine(kPersonnel, words, error);
    if (!line) {
        TellUsage(err, kPersonnel, error);
        return 2;
    }
    const std::string action = line->plain.empty() ? "" : line->plain[0];
    const bool named = action == "ajouter" || action == "reinitialiser";
    if ((action != "liste" && !named) || line->plain.size() != (named ? 2u : 1u) ||
        (action != "ajouter" && line->Has("--role"))) {
        TellUsage(err, kPersonnel,
                  action.empty() ? "ajouter, liste ou reinitialiser est demandé"
                                 : "commande incomplète ou inconnue : personnel " + action);
        return 2;
    }
    const std::optional<std::string> folder = CommandFolder(*line, settings, err);
    if (!folder) {
        return 2;
    }
    // Held until the command ends: no till opens on the folder meanwhile.
    std::unique_ptr<FolderLock> lock;
    if (FolderLock::TryLock(*folder, lock) == FolderLock::Result::Busy) {
        err << "Vantor est ouvert sur ce dossier : fermez la caisse, puis recommencez.\n";
        return 1;
    }
    try {
        if (action == "liste") {
            return Liste(*folder, out, err);
        }
        const DateTime now = clock.Now();
        return action == "ajouter" ? Ajouter(*folder, *line, now, in, out, err)
                                   : Reinitialiser(*folder, *line, now, in, out, err);
    } catch (const std::runtime_error& failure) {
        err << "Le personnel n'a pas pu être enregistré : " << failure.what() << '\n';
        return 1;
    }
}

}  // namespace vantor
