// The runner of the case pages: `test-pages KIND PAGE [ARGUMENT...]` runs one
// page as one test. CMake makes a test of each page (vantor_add_pages in
// tests/CMakeLists.txt), so that `ctest -R` runs one case. Given a folder,
// it runs each page of the folder as a test of its own, in the order of
// their names (under wine, where each start of a program is slow).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>

#include "PageKinds.h"

namespace vantor::test {
namespace {

const std::map<std::string, PageKind> kKinds = {
    {"scenario", RunScenarioPage},
    {"account", RunAccountPage},
    {"report", RunReportPage},
    {"pictures", RunPicturePage},
};

class PageTest : public ::testing::Test {
public:
    PageTest(PageKind kind, std::string path, std::vector<std::string> arguments)
        : kind_(kind), path_(std::move(path)), arguments_(std::move(arguments)) {}

    void TestBody() override {
        const Page page = ReadPage(path_);
        if (!HasFailure()) {
            kind_(page, arguments_);
        }
    }

private:
    PageKind kind_;
    std::string path_;
    std::vector<std::string> arguments_;
};

// The page given, or each page (.txt) of the folder given, by name.
std::vector<std::string> PagesAt(const std::string& given) {
    if (!std::filesystem::is_directory(given)) {
        return {given};
    }
    std::vector<std::string> pages;
    for (const auto& entry : std::filesystem::directory_iterator(given)) {
        if (entry.path().extension() == ".txt") {
            pages.push_back(entry.path().string());
        }
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

}  // namespace
}  // namespace vantor::test

int main(int argc, char** argv) {
    using namespace vantor::test;
    ::testing::InitGoogleTest(&argc, argv);
    const auto kind = argc >= 3 ? kKinds.find(argv[1]) : kKinds.end();
    if (kind == kKinds.end()) {
        std::cerr << "usage: test-pages KIND PAGE|FOLDER [ARGUMENT...], KIND one of:";
        for (const auto& [name, run] : kKinds) {
            std::cerr << " " << name;
        }
        std::cerr << "\n";
        return 2;
    }
    const std::vector<std::string> arguments(argv + 3, argv + argc);
    for (const std::string& path : PagesAt(argv[2])) {
        const std::string name = std::filesystem::path(path).stem().string();
        ::testing::RegisterTest("Page", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                                [=, run = kind->second]() -> ::testing::Test* {
                                    return new PageTest(run, path, arguments);
                                });
    }
    return RUN_ALL_TESTS();
}
