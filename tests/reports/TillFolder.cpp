#include "TillFolder.h"

#include "ReportFixture.h"

namespace vantor::test {

TillFolder::TillFolder() {
    Write("Serveurs.txt", "Paul\r\nMarie+Luc\r\n");
    std::string infos = "Cafe du Port\r\n";
    for (int line = 2; line <= 17; ++line) {
        infos += line == 6 ? "10\r\n" : line == 7 ? "5.5\r\n" : "\r\n";
    }
    Write("Infos.txt", infos);
}

void TillFolder::WriteJournal(const std::vector<std::string>& records) const {
    Write("tickets.csv", JournalBytes(records));
}

TillRun TillFolder::Report(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), "report");
    arguments.insert(arguments.end(), {"--data-dir", Folder()});
    return RunVantor(arguments, "");
}

}  // namespace vantor::test
