#pragma once

#include <string>
#include <vector>

#include "support/HeadlessTill.h"

namespace vantor::test {

// A data folder for the real program: waiters Paul and the team Marie+Luc,
// VAT rates 10 and 5.5, and a journal written by hand.
class TillFolder : public HeadlessTill {
public:
    TillFolder();

    // Records as in the file (Windows-1252 bytes), each ended by CR LF.
    void WriteJournal(const std::vector<std::string>& records) const;
    // `vantor report ARGUMENTS --data-dir FOLDER`.
    TillRun Report(std::vector<std::string> arguments) const;
};

}  // namespace vantor::test
