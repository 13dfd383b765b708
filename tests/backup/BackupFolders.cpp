#include "BackupFolders.h"

#include <gtest/gtest.h>

#include "backup/FolderBackup.h"
#include "data/TextFile.h"

namespace vantor::test {

void SellCoffees(const HeadlessTill& till, int sales) {
    std::string script = "clock 05.12.2026 12:00:00\n";
    for (int i = 0; i < sales; ++i) {
        script += kCoffeeSale;
    }
    till.Run(script);
}

TillRun BackUp(const std::string& data, const std::string& destination) {
    return RunVantor({"sauvegarder", "--data-dir", data, "--vers", destination}, "");
}

TillRun Restore(const std::string& source, const std::string& data,
                const std::vector<std::string>& options) {
    std::vector<std::string> words{"restaurer", "--depuis", source, "--data-dir", data};
    words.insert(words.end(), options.begin(), options.end());
    return RunVantor(words, "");
}

std::string TextOf(const std::string& path) {
    std::string text;
    for (const std::string& line : ReadLines(path)) {
        text += line + "\n";
    }
    return text;
}

std::string OnlyBackup(const std::string& destination) {
    const std::vector<std::string> names = ListBackups(destination);
    EXPECT_EQ(names.size(), 1u);
    return names.empty() ? "" : JoinPath(JoinPath(destination, kBackupsFolder), names.back());
}

}  // namespace vantor::test
