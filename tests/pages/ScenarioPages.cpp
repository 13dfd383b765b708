#include <gtest/gtest.h>

#include "PageKinds.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"

namespace vantor::test {

// `vantor --headless --data-dir DATA` on a folder of its own holding the
// files given, the script on its input: the transcript, then each file the
// page shows as the run left it. The folder is written DATA in the page.
void RunScenarioPage(const Page& page, const std::vector<std::string>& arguments) {
    ASSERT_TRUE(page.command.empty() && arguments.empty())
        << "a scenario runs on its data folder, with no other command or argument";
    HeadlessTill till;
    ASSERT_EQ(page.mark, "transcript");
    WriteGiven(page, till.Folder(), "DATA");
    const TillRun run = till.Run(Unmasked(page.script, "DATA", till.Folder()));
    const std::string shown = WithFiles(run.out, till.Folder(), ShownFiles(page.expected));
    ExpectShown(page, Masked(shown, till.Folder(), "DATA"));
}

}  // namespace vantor::test
