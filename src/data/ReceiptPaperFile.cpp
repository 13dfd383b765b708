#include "data/ReceiptPaperFile.h"

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

void EcrirePapier(const std::string& dataPath, const ReceiptPaper& paper, bool montantRecu) {
    std::vector<std::string> lines{std::to_string(paper.widthMm), std::to_string(paper.drawerPin)};
    if (montantRecu) {
        lines.emplace_back("1");  // off writes the file as before the setting existed
    }
    WriteLinesAtomic(JoinPath(dataPath, kPapierFile), lines);
}

}  // namespace vantor
