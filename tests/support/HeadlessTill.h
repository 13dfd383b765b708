#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {

// A till of its own for one test: a data folder (empty until written), the
// headless program run on it with a script, and the files it left.
//   HeadlessTill till;
//   till.Write("Serveurs.txt", "Paul\r\n");
//   TillRun run = till.Run("click Command1 2\nshow lblTotal\n");
//   EXPECT_EQ(Shows(run), ...);
//   EXPECT_EQ(till.Read("tickets.csv"), ...);
class HeadlessTill {
public:
    HeadlessTill() = default;
    // The data folder under another folder (RamDiskOrTemporary() for many runs).
    explicit HeadlessTill(const std::string& base) : folder_(base) {}

    const std::string& Folder() const { return folder_.Path(); }
    // Path of a file in the data folder.
    std::string operator/(const std::string& name) const { return folder_ / name; }
    // Bytes of a file of the data folder ("" when missing), and writing them.
    std::string Read(const std::string& name) const;
    void Write(const std::string& name, const std::string& bytes) const;
    // An environment variable for the runs to come.
    void SetEnvironment(const std::string& name, const std::string& value);

    // `vantor --headless --data-dir FOLDER OPTIONS...` with the script on its
    // input. A run that does not end with status 0 fails the test, with its
    // outputs in the message.
    TillRun Run(const std::string& script, const std::vector<std::string>& options = {}) const;
    // The same run, whatever its exit status.
    TillRun Try(const std::string& script, const std::vector<std::string>& options = {}) const;

private:
    TempDir folder_;
    std::map<std::string, std::string> environment_;
};

// The transcript's `show` lines and message boxes, in order.
std::vector<std::string> Shows(const TillRun& run);
std::vector<std::string> Boxes(const TillRun& run);
// The lines a run wrote on standard output.
std::vector<std::string> OutputLines(const TillRun& run);
// The items of the list shown by the last `show NAME.List` of the transcript.
std::vector<std::string> ShownList(const std::string& transcript, const std::string& name);

}  // namespace vantor::test
