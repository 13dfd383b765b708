#include "support/HeadlessTill.h"

#include <gtest/gtest.h>

#include <sstream>

#include "headless/ScriptLine.h"

namespace vantor::test {

std::string HeadlessTill::Read(const std::string& name) const {
    return Slurp(folder_ / name);
}

void HeadlessTill::Write(const std::string& name, const std::string& bytes) const {
    WriteRaw(folder_ / name, bytes);
}

void HeadlessTill::SetEnvironment(const std::string& name, const std::string& value) {
    environment_[name] = value;
}

TillRun HeadlessTill::Run(const std::string& script,
                          const std::vector<std::string>& options) const {
    TillRun run = Try(script, options);
    EXPECT_EQ(run.status, 0) << "standard error:\n" << run.err << "transcript:\n" << run.out;
    return run;
}

TillRun HeadlessTill::Try(const std::string& script,
                          const std::vector<std::string>& options) const {
    std::vector<std::string> arguments{"--headless", "--data-dir", Folder()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return RunVantor(arguments, script, environment_);
}

std::vector<std::string> Shows(const TillRun& run) {
    return LinesStartingWith(run.out, "show ");
}

std::vector<std::string> Boxes(const TillRun& run) {
    return LinesStartingWith(run.out, "msgbox ");
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
