// The runner of the case pages: `test-pages KIND PAGE [ARGUMENT...]` runs one
// page as one test. CMake makes a test of each page (vantor_add_pages in
// tests/CMakeLists.txt), so that `ctest -R` runs one case.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vantor::test

int main(int argc, char** argv) {
    using namespace vantor::test;
    ::testing::InitGoogleTest(&argc, argv);
    const auto kind = argc >= 3 ? kKinds.find(argv[1]) : kKinds.end();
    if (kind == kKinds.end()) {
        std::cerr << "usage: test-pages KIND PAGE [ARGUMENT...], KIND one of:";
        for (const auto& [name, run] : kKinds) {
            std::cerr << " " << name;
        }
        std::cerr << "\n";
        return 2;
    }
    const std::string path = argv[2];
    const std::vector<std::string> arguments(argv + 3, argv + argc);
    const std::string name = std::filesystem::path(path).stem().string();
    ::testing::RegisterTest("Page", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                            [=, run = kind->second]() -> ::testing::Test* {
                                return new PageTest(run, path, arguments);
                            });
    return RUN_ALL_TESTS();
}
