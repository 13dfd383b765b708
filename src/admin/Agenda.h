#pragma once

#include <string>
#include <vector>

#include "platform/DateTime.h"

namespace vantor {

inline constexpr const char* kAgendaFile = "Agenda.csv";

// The entries of Agenda.csv as list lines (every ";" shown as three spaces),
// sorted by the date of their first 10 characters; entries of the same date
// keep their file order. A line that does not start with a date is listed
// after the dated ones, in file order. No file gives no entry.
std::vector<std::string> LireAgenda(const std::string& dataPath);
// Rewrites Agenda.csv from the list lines: every run of three spaces becomes
// ";", taken from left to right.
void EcrireAgenda(const std::string& dataPath, const std::vector<std::string>& listLines);
// Appends one entry: the date, the time field and the text joined by ";".
void AjouterAgenda(const std::string& dataPath, const Date& date, const std::string& heure,
                   const std::string& texte);

// The time as stored: ";" made "-", "0" for an empty time, in exactly 5 characters.
std::string ChampHeure(const std::string& heure);
// The text as stored: ";" made "-".
std::string ChampTexte(const std::string& texte);
// The list line of an entry: date, three spaces, time field, three spaces, text.
std::string LigneListeAgenda(const Date& date, const std::string& heure, const std::string& texte);

// What the entry panel shows of a list line: its date (none when the line
// does not start with one), its time and the first 29 characters of its text.
struct EntreeAgenda {
    bool dated = false;
    Date date;
    std::string heure;
    std::string texte;
};
EntreeAgenda LireEntreeAgenda(const std::string& listLine);

}  // namespace vantor
