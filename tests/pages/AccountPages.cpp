#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "PageKinds.h"
#include "data/Cp1252.h"
#include "ledger/ArchiveKey.h"
#include "ledger/Ed25519.h"
#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

// Every folder and file under the home in order, a file with its bytes or as
// "(default)" when it equals the file of its name in the folder of defaults;
// the archive key, new at every first start, as "(clé Ed25519)" when it is one.
std::string HomeFiles(const std::string& home, const std::string& defaults) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(home)) {
        const std::string path = fs::relative(entry.path(), home).generic_string();
        if (entry.is_directory()) {
            files[path + "/"] = "";
        } else {
            const std::string bytes = Slurp(entry.path().string());
            const std::string name = entry.path().filename().string();
            const bool isDefault = !bytes.empty() && bytes == Slurp(defaults + "/" + name);
            const bool isKey = name == kArchiveKeyFile && ed25519::FromPem(bytes);
            files[path] = isKey       ? "(clé Ed25519)\n"
                          : isDefault ? "(default)\n"
                                      : Cp1252ToUtf8(bytes);
        }
    }
    std::string shown;
    for (const auto& [name, bytes] : files) {
        shown += "== " + name + "\n" + bytes;
    }
    return shown;
}

}  // namespace

// The page's command on a user account of its own, whose home (shown as
// HOME) holds the files given: the transcript, the exit status, the errors
// and every file the home holds after the run, the defaults of the till as
// "(default)" (arguments: the folder of defaults). A file given is never
// written again.
void RunAccountPage(const Page& page, const std::vector<std::string>& arguments) {
#ifdef _WIN32
    GTEST_SKIP() << kNoTestAccountOnWindows;
#endif
    ASSERT_EQ(arguments.size(), 1U) << "an account page is run with the folder of defaults";
    TempDir home;
    ASSERT_EQ(page.mark, "transcript");
    WriteGiven(page, home.Path(), "HOME");
    std::map<std::string, fs::file_time_type> written;
    for (const GivenFile& file : page.given) {
        if (!file.folder) {
            written[file.name] = fs::last_write_time(home / file.name);
        }
    }
    const TillRun run = RunVantor(CommandWords(page, "HOME", home.Path()), page.script,
                                  {{"HOME", home.Path()},
                                   {"XDG_CONFIG_HOME", home / "config"},
                                   {"XDG_DATA_HOME", home / "data"}});
    for (const auto& [name, time] : written) {
        EXPECT_EQ(fs::last_write_time(home / name), time) << name << " was written";
    }
    const std::string shown = run.out + "== exit " + std::to_string(run.status) + "\n== errors\n" +
                              run.err + HomeFiles(home.Path(), arguments[0]);
    ExpectShown(page, Masked(shown, home.Path(), "HOME"));
}

}  // namespace vantor::test
