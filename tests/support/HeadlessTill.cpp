#include "support/HeadlessTill.h"

#include <gtest/gtest.h>

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

}  // namespace vantor::test
