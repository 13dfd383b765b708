#include "data/Serveurs.h"

#include "data/TextFile.h"

namespace vantor {

std::optional<std::vector<std::string>> ReadServeursFile(const std::string& dataPath,
                                                         WhenMissing missing) {
    const std::string path = JoinPath(dataPath, kServeursFile);
    if (!FileExists(path)) {
        if (missing == WhenMissing::Create) {
            WriteLinesAtomic(path, {});
        }
        return std::nullopt;
    }
    return ReadLines(path);
}

}  // namespace vantor
