#include "staff/Personnel.h"

#include <algorithm>
#include <cctype>

#include "data/Cp1252.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "ledger/Hex.h"

namespace vantor {

namespace {

constexpr const char* kAlgorithm = "argon2id";
constexpr std::size_t kPersonFields = 8;

std::vector<std::string_view> PersonFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(';', start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return fields;
        }
        start = end + 1;
    }
}

std::optional<unsigned long> CostNumber(std::string_view field) {
    if (field.empty() || field.size() > 9 ||
        !std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoul(std::string(field));
}

PersonnelLine Unreadable(std::string_view line, std::string why) {
    return {std::nullopt, std::string(line), std::move(why)};
}

// Names compare without regard to the case of ASCII letters: "anne" and
// "Anne" side by side in the list would be one person to the eye.
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool HasName(const Personnel& personnel, std::string_view nom) {
    const std::vector<const Membre*> membres = personnel.Membres();
    return std::any_of(membres.begin(), membres.end(),
                       [nom](const Membre* m) { return SameName(m->nom, nom); });
}

}  // namespace

const char* RoleName(Role role) {
    return role == Role::Responsable ? "Responsable" : "Serveur";
}

std::optional<Role> ParseRole(std::string_view word) {
    if (word == "Serveur") {
        return Role::Serveur;
    }
    if (word == "Responsable") {
        return Role::Responsable;
    }
    return std::nullopt;
}

std::vector<const Membre*> Personnel::Membres() const {
    std::vector<const Membre*> membres;
    for (const PersonnelLine& ligne : lignes) {
        if (ligne.membre) {
            membres.push_back(&*ligne.membre);
        }
    }
    return membres;
}

const Membre* Personnel::Trouver(std::string_view nom) const {
    for (const Membre* membre : Membres()) {
        if (membre->nom == nom) {
            return membre;
        }
    }
    return nullptr;
}

int Personnel::Responsables() const {
    const std::vector<const Membre*> membres = Membres();
    return static_cast<int>(std::count_if(membres.begin(), membres.end(), [](const Membre* m) {
        return m->role == Role::Responsable;
    }));
}

std::vector<std::string> Personnel::Problemes() const {
    std::vector<std::string> problemes;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (!lignes[i].membre) {
            problemes.push_back("ligne " + std::to_string(i + 1) + " : " + lignes[i].probleme);
        }
    }
    return problemes;
}

std::string FormatMembre(const Membre& membre) {
    const Argon2Cost& cost = membre.code.cost;
    return membre.nom + ';' + RoleName(membre.role) + ';' + kAlgorithm + ';' +
           std::to_string(cost.passes) + ';' + std::to_string(cost.memoryKiB) + ';' +
           std::to_string(cost.lanes) + ';' + membre.code.salt + ';' + membre.code.digest;
}

PersonnelLine ParseMembre(std::string_view line) {
    const std::vector<std::string_view> fields = PersonFields(line);
    if (fields.size() != kPersonFields) {
        return Unreadable(line, std::to_string(fields.size()) +
                                    (fields.size() > 1 ? " champs" : " champ") + " au lieu de 8");
    }
    Membre membre;
    membre.nom = Trim(fields[0]);
    if (membre.nom.empty()) {
        return Unreadable(line, "nom vide");
    }
    const std::optional<Role> role = ParseRole(fields[1]);
    if (!role) {
        return Unreadable(line, "rôle inconnu : " + std::string(fields[1]));
    }
    membre.role = *role;
    if (fields[2] != kAlgorithm) {
        return Unreadable(line, "empreinte d'un type inconnu : " + std::string(fields[2]));
    }
    const std::optional<unsigned long> passes = CostNumber(fields[3]);
    const std::optional<unsigned long> memory = CostNumber(fields[4]);
    const std::optional<unsigned long> lanes = CostNumber(fields[5]);
    membre.code.cost = {passes.value_or(0), memory.value_or(0), lanes.value_or(0)};
    if (!IsReasonableCost(membre.code.cost)) {
        return Unreadable(line, "coût de l'empreinte illisible ou hors limites");
    }
    membre.code.salt = fields[6];
    membre.code.digest = fields[7];
    if (membre.code.salt.size() != 2 * kSaltBytes || !IsLowerHex(membre.code.salt) ||
        membre.code.digest.size() != 2 * kDigestBytes || !IsLowerHex(membre.code.digest)) {
        return Unreadable(line, "empreinte illisible");
    }
    return {std::move(membre), "", ""};
}

std::optional<Personnel> LirePersonnel(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kPersonnelFile);
    if (!FileExists(path)) {
        return std::nullopt;
    }
    Personnel personnel;
    for (const std::string& line : ReadLines(path)) {
        PersonnelLine read = ParseMembre(line);
        // A name given twice lets nobody in under it a second time.
        if (read.membre && HasName(personnel, read.membre->nom)) {
            read = Unreadable(line, read.membre->nom + " figure déjà plus haut");
        }
        personnel.lignes.push_back(std::move(read));
    }
    return personnel;
}

void EcrirePersonnel(const std::string& dataPath, const Personnel& personnel) {
    std::vector<std::string> lines;
    for (const PersonnelLine& ligne : personnel.lignes) {
        lines.push_back(ligne.membre ? FormatMembre(*ligne.membre) : ligne.texte);
    }
    WriteLinesAtomic(JoinPath(dataPath, kPersonnelFile), lines);
}

std::string NomFault(std::string_view nom, const Personnel& personnel) {
    const std::string trimmed = Trim(nom);
    if (trimmed.empty()) {
        return "Tapez le nom de la personne.";
    }
    if (trimmed.find(';') != std::string::npos) {
        return "Le nom ne peut pas contenir « ; ».";
    }
    if (std::any_of(trimmed.begin(), trimmed.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
        return "Le nom ne peut pas contenir de caractère de contrôle.";
    }
    if (Cp1252ToUtf8(Utf8ToCp1252(trimmed)) != trimmed) {
        return "Le nom contient un caractère que le fichier du personnel ne peut pas garder.";
    }
    if (Len(trimmed) > kNomMaxCaracteres) {
        return "Le nom compte plus de 30 caractères.";
    }
    if (HasName(personnel, trimmed)) {
        return trimmed + " fait déjà partie du personnel.";
    }
    return "";
}

}  // namespace vantor
