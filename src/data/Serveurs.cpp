#include "data/Serveurs.h"

#include "data/TextFile.h"

namespace vantor {

std::optional<std::vector<std::string>> ReadServeursFile(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kServeursFile);
    if (!FileExists(path)) {
        WriteLinesAtomic(path, {});
        return std::nullopt;
    }
    return ReadLines(path);
}

}  // namespace vantor
