#include "data/ReceiptPaperFile.h"

#include <charconv>
#include <vector>

#include "data/TextFile.h"

namespace vantor {

ReceiptPaper LirePapier(const std::string& dataPath) {
    ReceiptPaper paper;
    const std::string path = JoinPath(dataPath, kPapierFile);
    if (!FileExists(path)) {
        return paper;
    }
    const std::vector<std::string> lines = ReadLines(path);
    if (!lines.empty() && lines[0] == "58") {
        paper.widthMm = 58;
    }
    if (lines.size() > 1 && lines[1] == "5") {
        paper.drawerPin = 5;
    }
    return paper;
}

bool LireMontantRecu(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kPapierFile);
    if (!FileExists(path)) {
        return false;
    }
    const std::vector<std::string> lines = ReadLines(path);
    return lines.size() > 2 && lines[2] == "1";
}

std::int64_t LirePlafondRemise(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kPapierFile);
    if (!FileExists(path)) {
        return 0;
    }
    const std::vector<std::string> lines = ReadLines(path);
    if (lines.size() < 4) {
        return 0;
    }
    const std::string& text = lines[3];
    std::int64_t cents = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), cents);
    return error == std::errc() && stop == text.data() + text.size() && cents > 0 ? cents : 0;
}

void EcrirePapier(const std::string& dataPath, const ReceiptPaper& paper, bool montantRecu,
                  std::int64_t plafondRemise) {
    std::vector<std::string> lines{std::to_string(paper.widthMm), std::to_string(paper.drawerPin)};
    // Settings off write the file as before they existed.
    if (montantRecu || plafondRemise > 0) {
        lines.emplace_back(montantRecu ? "1" : "0");
    }
    if (plafondRemise > 0) {
        lines.push_back(std::to_string(plafondRemise));
    }
    WriteLinesAtomic(JoinPath(dataPath, kPapierFile), lines);
}

}  // namespace vantor
