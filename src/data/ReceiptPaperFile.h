#pragma once

#include <cstdint>
#include <string>

#include "platform/Printers.h"

namespace vantor {

// The receipt printer's paper width and drawer pin, kept beside Infos.txt
// (whose lines keep their meaning for every version): line 1 the width in
// millimetres ("58" or "80"), line 2 the drawer pin ("2" or "5"), line 3 "1"
// when a cash payment asks the amount received (and the receipt prints it
// with the change), line 4 the discount a "Serveur" may give without a
// manager's approval, in cents ("250"). The lines after the second are
// written only when a setting is not off: a file of an earlier version reads
// as those settings off.
inline constexpr const char* kPapierFile = "ImprimanteTicket.txt";

// 80 mm and pin 2 when the file is missing or a line says something else.
ReceiptPaper LirePapier(const std::string& dataPath);
// Off when the file or its third line is missing, or says something else.
bool LireMontantRecu(const std::string& dataPath);
// 0 when the file or its fourth line is missing, or is not a count of cents.
std::int64_t LirePlafondRemise(const std::string& dataPath);
void EcrirePapier(const std::string& dataPath, const ReceiptPaper& paper, bool montantRecu,
                  std::int64_t plafondRemise);

}  // namespace vantor
