#include "staff/Verrouillage.h"

#include <optional>

#include "data/Numbers.h"
#include "data/TextFile.h"

namespace vantor {

int LireDelaiVerrouillage(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kVerrouillageFile);
    if (!FileExists(path)) {
        return 0;
    }
    const std::vector<std::string> lines = ReadLines(path);
    const std::optional<int> minutes = lines.empty() ? std::nullopt : ParseInteger(lines.front());
    return minutes && *minutes >= 0 && *minutes <= kDelaiMaxMinutes ? *minutes : 0;
}

void EcrireDelaiVerrouillage(const std::string& dataPath, int minutes) {
    WriteLinesAtomic(JoinPath(dataPath, kVerrouillageFile), {std::to_string(minutes)});
}

}  // namespace vantor
