#include "TillFolder.h"

#include "ReportFixture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "headless/ScriptLine.h"

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

std::vector<std::string> OutputLines(const TillRun& run) {
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ShownList(const std::string& transcript, const std::string& name) {
    const std::vector<std::string> shows = LinesStartingWith(transcript, "show " + name + ".List ");
    EXPECT_FALSE(shows.empty()) << transcript;
    std::vector<std::string> items;
    if (shows.empty()) {
        return items;
    }
    const std::vector<headless::Word> words = headless::SplitWords(shows.back());
    for (std::size_t i = 2; i < words.size(); ++i) {
        items.push_back(words[i].text);
    }
    return items;
}

}  // namespace vantor::test
