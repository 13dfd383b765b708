#include "checkout/NumeroTicket.h"

#include <cmath>
#include <optional>
#include <vector>

#include "data/Numbers.h"
#include "data/TextFile.h"

namespace vantor {

std::int32_t LireNumTicket(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kIdFile);
    if (!FileExists(path)) {
        return 1;
    }
    std::vector<std::string> lines = ReadLines(path);
    std::optional<double> last = lines.empty() ? std::nullopt : ParseNumber(lines.front());
    // Rounded half to even, as the toolkit converts a number to a whole one.
    if (!last || !(std::nearbyint(*last) >= INT32_MIN && std::nearbyint(*last) < INT32_MAX)) {
        return 2;
    }
    return static_cast<std::int32_t>(std::nearbyint(*last)) + 1;
}

}  // namespace vantor

namespace vantor {

std::int32_t NumTicketSuivant(std::int32_t numero) {
    return numero == INT32_MAX ? 1 : numero + 1;
}

void EcrireNumTicket(const std::string& dataPath, std::int32_t next) {
    WriteLinesAtomic(JoinPath(dataPath, kIdFile), {std::to_string(next)});
}

}  // namespace vantor
