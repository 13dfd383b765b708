#include <gtest/gtest.h>

#include <sstream>

#include "PageKinds.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"

namespace vantor::test {
namespace {

// The list of the script's last line "show NAME.List".
std::string LastListShown(const std::string& script) {
    std::istringstream lines(script);
    std::string name;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("show ") && line.ends_with(".List")) {
            name = line.substr(5, line.size() - 10);
        }
    }
    return name;
}

}  // namespace

// `vantor report ...` (the page's command; the data folder written DATA) on a
// folder of its own holding the files given: its lines on standard output.
// The till run with the script then shows the same lines (its last `show
// NAME.List`), and the command gives them again on the folder the till has
// completed.
void RunReportPage(const Page& page, const std::vector<std::string>& arguments) {
    ASSERT_EQ(page.mark, "output");
    ASSERT_TRUE(arguments.empty()) << "a report page takes no argument";
    HeadlessTill till;
    WriteGiven(page, till.Folder(), "DATA");
    const std::vector<std::string> command = CommandWords(page, "DATA", till.Folder());
    const auto report = [&] {
        const TillRun run = RunVantor(command, "");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return OutputLines(run);
    };
    const std::vector<std::string> lines = report();
    const std::string list = LastListShown(page.script);
    ASSERT_FALSE(list.empty()) << "the script shows the report's list last: show NAME.List";
    const TillRun screen = till.Run(Unmasked(page.script, "DATA", till.Folder()));
    EXPECT_EQ(ShownList(screen.out, list), lines) << "the report on screen";
    EXPECT_EQ(report(), lines) << "the command on the folder the till has completed";
    ExpectShown(page, Joined(lines));
}

}  // namespace vantor::test
