#pragma once

#include <string>
#include <vector>

namespace vantor {

// The actions given only with a reason.
enum class Motif { Annulation, Remboursement, Remise, Offert };

// What the till asks for the reason of an action, and the short list of the
// usual reasons offered to a finger before typing another.
struct MotifDemande {
    std::string prompt;
    std::vector<std::string> usual;
};

const MotifDemande& DemandeDeMotif(Motif motif);

}  // namespace vantor
