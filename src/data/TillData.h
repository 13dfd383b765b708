#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantor {

class OnScreenKeyboard;

// Shop settings fields, by their line in Infos.txt (field i is line i + 1).
enum InfoField {
    NomCommerce = 0,
    Adresse = 1,
    Localite = 2,
    Telephone = 3,
    NumeroTVA = 4,
    TauxSurPlace = 5,
    TauxEmporter = 6,
    CheminLogo = 7,
    CheminQR = 8,
    ModeTVA = 9,
    MessageTicket = 10,
    TexteQR = 11,
    ImprimanteTicket = 12,
    ImprimanteCuisine = 13,
    ClavierAuto = 14,
    Reserve = 15,
    Monnaie = 16,
};
inline constexpr int kInfoCount = 17;
inline constexpr int kCategoryCount = 8;

using InfosRecord = std::array<std::string, kInfoCount>;
using CategoryNames = std::array<std::string, kCategoryCount>;

// The state every window of the till shares for the whole run.
struct TillData {
    std::string DataPath;  // the data folder, without a trailing separator
    InfosRecord Infos;
    CategoryNames Categories;
    std::string Serveur;          // the current waiter
    std::int32_t NumTicket = 0;   // the number of the next receipt
    bool RapportAffiche = false;  // lstTicket holds a report, not a ticket
    std::string TexteBon;
    double PartEspeces = 0;
    bool DemanderMontantRecu = false;  // a cash payment asks the amount received
    // The discount a "Serveur" gives without approval, in cents.
    std::int64_t PlafondRemiseServeur = 0;
    bool AgendaCharge = false;

    // DataPath + separator + name.
    std::string File(const std::string& name) const;
};

// Opens the on-screen keyboard before text entry when the settings ask for it
// (ClavierAuto is "1"); the one place that reads that setting for it.
void AfficherClavier(OnScreenKeyboard& keyboard, const TillData& data);
// Tells the keyboard whether the settings want it for every text field.
void FollowKeyboardOption(OnScreenKeyboard& keyboard, const TillData& data);

}  // namespace vantor
