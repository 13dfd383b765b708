#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

// One file of the data folder as a backup takes it: its name inside the
// folder (sub-folders joined with '/') and how many of its first bytes.
struct SnapshotFile {
    std::string name;
    std::uint64_t length = 0;
};

// The files of the data folder and the lengths at which a copy of them holds
// whole writes only, even while the till appends a sale: the chain is read
// first, up to its last complete line, less its last entry when that entry's
// bytes are not all in its file yet (a write under way, or cut by a crash);
// each chained file is then taken up to where the chain's last entry for it
// leaves it. The other files are taken whole: the till replaces them whole.
// The lock file, the temporaries of a rewrite and a folder named skip are
// left out. Throws FileError when the folder cannot be listed.
std::vector<SnapshotFile> PlanSnapshot(const std::string& dataPath, const std::string& skip = "");

// The chain's length in bytes that a copy takes (see PlanSnapshot).
std::uint64_t CompleteChainLength(const std::string& dataPath);

}  // namespace vantor
