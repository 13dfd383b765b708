// Paths are UTF-8 text in the till and the system's own form only at the
// file system: accents must survive the trip both ways.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/TextFile.h"
#include "platform/Paths.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

TEST(Paths, AccentedNamesRoundTripThroughTheFileSystem) {
    const std::string names[] = {"Mes données", "Caf\xc3\xa9 \xe2\x82\xac", "Ça_va.csv", "plain"};
    for (const std::string& name : names) {
        EXPECT_EQ(FromPath(ToPath(name)), name);
        const std::u8string expected(name.begin(), name.end());
        EXPECT_TRUE(ToPath(name).u8string() == expected) << name;  // gtest prints no u8string
    }
    TempDir dir;
    const std::string folder = JoinPath(dir.Path(), "Mes données");
    std::filesystem::create_directories(ToPath(folder));
    WriteFileAtomic(JoinPath(folder, "Écritures.csv"), "x\r\n");
    EXPECT_TRUE(DirectoryExists(folder));
    EXPECT_EQ(ReadBytes(JoinPath(folder, "Écritures.csv")), "x\r\n");
    std::vector<std::string> listed;
    for (const auto& entry : std::filesystem::directory_iterator(ToPath(folder))) {
        listed.push_back(FromPath(entry.path().filename()));
    }
    EXPECT_EQ(listed, std::vector<std::string>{"Écritures.csv"});
}

}  // namespace
}  // namespace vantor::test
