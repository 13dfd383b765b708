#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "staff/PinDigest.h"

namespace vantor {

inline constexpr const char* kPersonnelFile = "Personnel.csv";

// A "Serveur" sells; a "Responsable" also does what the guarded actions
// table keeps for managers, and approves it for the others.
enum class Role { Serveur, Responsable };

// "Serveur", "Responsable": the words of the file and of the screen.
const char* RoleName(Role role);
std::optional<Role> ParseRole(std::string_view word);

// One person of the staff: the name they sign in with, which is also their
// waiter name in the journal, their role and what checks their PIN.
struct Membre {
    std::string nom;
    Role role = Role::Serveur;
    PinDigest code;
};

// One line of Personnel.csv: a person, or a line that reads as none (cut,
// an unknown role, a bad digest, a name given twice), kept as it was so that
// a rewrite of the file loses nothing; nobody signs in with it.
struct PersonnelLine {
    std::optional<Membre> membre;
    std::string texte;     // the line as read, for a line that is no person
    std::string probleme;  // why it is none ("rôle inconnu : Chef")
};

// The staff file as read: its lines in order.
struct Personnel {
    std::vector<PersonnelLine> lignes;

    // The people who can sign in, in the order of the file.
    std::vector<const Membre*> Membres() const;
    const Membre* Trouver(std::string_view nom) const;
    int Responsables() const;
    // "ligne 2 : rôle inconnu : Chef", one for each line that is no person.
    std::vector<std::string> Problemes() const;
};

// The line of a person: name;role;argon2id;passes;memory;lanes;salt;digest.
std::string FormatMembre(const Membre& membre);
// A line of the file read back; a line that is no person says why.
PersonnelLine ParseMembre(std::string_view line);

// Personnel.csv of the folder, nullopt when there is none.
std::optional<Personnel> LirePersonnel(const std::string& dataPath);
// Rewrites Personnel.csv whole (atomically), every line in its order.
void EcrirePersonnel(const std::string& dataPath, const Personnel& personnel);

// Names are cut to this many characters on the screen and in the journal.
inline constexpr std::size_t kNomMaxCaracteres = 30;
// Why the typed name cannot be a new person's ("" when it can): empty, ";"
// (the journal's separator), control characters, a character Windows-1252
// has not, too long, or a name the staff already has.
std::string NomFault(std::string_view nom, const Personnel& personnel);

}  // namespace vantor
