#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/ExpectedFile.h"
#include "support/Page.h"

namespace vantor::test {

// A run of the headless till kept whole in expected/NAME.txt, so that a
// scenario reads as one page: the script (its "#" lines are comments), a line
// "== transcript", the transcript (the data folder shown as DATA), then each
// data file named by a line "== FILE" as the run left it. The test gives the
// name and the data files written before the run; VANTOR_UPDATE_EXPECTED=1
// rewrites what follows the script.
struct ScenarioFile {
    std::string name;
    std::vector<std::pair<std::string, std::string>> files = {};  // data files written first
};

inline constexpr std::string_view kTranscriptMark = "== transcript\n";

// A run for a page: the script and the data files the page shows give what
// the run showed.
using PageRun =
    std::function<std::string(const std::string& script, const std::vector<std::string>& files)>;

// The page expected/NAME.txt: its script through `run`, whose result must
// equal the rest of the page.
inline void ExpectPage(const std::string& name, const PageRun& run) {
    SCOPED_TRACE("expected/" + name + ".txt");
    const std::string path = std::string(VANTOR_EXPECTED_DIR) + "/" + name + ".txt";
    const std::string page = Slurp(path);
    const std::size_t mark = page.find(kTranscriptMark);
    ASSERT_NE(mark, std::string::npos) << "no line \"== transcript\"";
    const std::string script = page.substr(0, mark);
    const std::string expected = page.substr(mark + kTranscriptMark.size());
    const std::string shown = run(script, ShownFiles(expected));
    if (std::getenv("VANTOR_UPDATE_EXPECTED") != nullptr) {
        WriteRaw(path, script + std::string(kTranscriptMark) + shown);
    }
    EXPECT_EQ(shown, expected);
}

inline void ExpectScenarios(const std::vector<ScenarioFile>& scenarios) {
    for (const ScenarioFile& scenario : scenarios) {
        ExpectPage(scenario.name, [&](const std::string& script, const auto& files) {
            HeadlessTill till;
            for (const auto& [file, bytes] : scenario.files) {
                till.Write(file, bytes);
            }
            const std::string shown = WithFiles(till.Run(script).out, till.Folder(), files);
            return Masked(shown, till.Folder(), "DATA");
        });
    }
}

}  // namespace vantor::test
