#include "data/DataFiles.h"

#include "data/TextFile.h"

namespace vantor {

std::vector<std::string> ReadOrCreate(const std::string& path,
                                      const std::vector<std::string>& defaults,
                                      WhenMissing missing) {
    if (!FileExists(path)) {
        if (missing == WhenMissing::UseDefaults) {
            return defaults;
        }
        WriteLinesAtomic(path, defaults);
    }
    return ReadLines(path);
}

}  // namespace vantor
