#pragma once

#include <string>
#include <vector>

#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {

// A data folder for the real program: waiters Paul and the team Marie+Luc,
// VAT rates 10 and 5.5, and a journal written by hand.
class TillFolder {
public:
    TillFolder();

    const std::string& Path() const { return dir_.Path(); }
    std::string operator/(const std::string& name) const { return dir_ / name; }
    // Records as in the file (Windows-1252 bytes), each ended by CR LF.
    void WriteJournal(const std::vector<std::string>& records) const;

    // `vantor report ARGUMENTS --data-dir FOLDER`.
    TillRun Report(std::vector<std::string> arguments) const;
    // `vantor --headless --data-dir FOLDER` with the script.
    TillRun Script(const std::string& script) const;

private:
    TempDir dir_;
};

// The lines a run wrote on standard output.
std::vector<std::string> OutputLines(const TillRun& run);
// The items of the list shown by the last `show NAME.List` of the transcript.
std::vector<std::string> ShownList(const std::string& transcript, const std::string& name);

}  // namespace vantor::test
