#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "data/Cp1252.h"
#include "support/EscPosReader.h"
#include "support/HeadlessTill.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {

// The text a test expects, kept as a file beside the tests so that a long
// transcript or report reads as the screen shows it. A run with
// VANTOR_UPDATE_EXPECTED=1 first writes the actual text there (review the
// diff before committing it).
inline std::string ExpectedText(const std::string& path, const std::string& actual) {
    if (std::getenv("VANTOR_UPDATE_EXPECTED") != nullptr) {
        WriteRaw(path, actual);
    }
    return Slurp(path);
}

// Lines joined with line feeds, each ended by one.
inline std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

// The text with every occurrence of a changing part (a temporary folder)
// replaced by a fixed name. A Windows path is also found as a transcript
// quotes it (backslashes doubled), and the separator after it reads "/".
inline std::string Masked(std::string text, const std::string& part, const std::string& name) {
    std::vector<std::pair<std::string, std::string>> forms;
    if (part.find('\\') != std::string::npos) {
        std::string quoted;
        for (const char c : part) {
            quoted += c == '\\' ? "\\\\" : std::string(1, c);
        }
        forms = {{quoted + "\\\\", name + "/"}, {part + "\\", name + "/"}, {quoted, name}};
    }
    forms.emplace_back(part, name);
    for (const auto& [form, by] : forms) {
        for (std::size_t at = text.find(form); !form.empty() && at != std::string::npos;
             at = text.find(form, at + by.size())) {
            text.replace(at, form.size(), by);
        }
    }
    return text;
}

}  // namespace vantor::test

// EXPECT_EXPECTED("Name.txt", text): text equals expected/Name.txt of the
// test's folder (VANTOR_EXPECTED_DIR, set by its CMakeLists.txt).
#define EXPECT_EXPECTED(name, actual)                                                           \
    do {                                                                                        \
        const std::string vantorActual_ = (actual);                                             \
        EXPECT_EQ(vantorActual_,                                                                \
                  ::vantor::test::ExpectedText(std::string(VANTOR_EXPECTED_DIR) + "/" + (name), \
                                               vantorActual_))                                  \
            << "expected/" << (name);                                                           \
    } while (false)

namespace vantor::test {

// The transcript followed by each of these files of the folder under a line
// "== FILE" (as UTF-8, line ends kept; "== FILE (none)" when there is none);
// a file named "NAME (ESC/POS)" is what a receipt printer made of its bytes.
inline std::string WithFiles(std::string transcript, const std::string& folder,
                             const std::vector<std::string>& files) {
    constexpr std::string_view kEscPos = " (ESC/POS)";
    for (const std::string& file : files) {
        const bool escPos = file.ends_with(kEscPos);
        const std::string path =
            folder + "/" + (escPos ? file.substr(0, file.size() - kEscPos.size()) : file);
        const std::string bytes = Slurp(path);
        transcript += "== " + file + (std::filesystem::exists(path) ? "\n" : " (none)\n") +
                      (escPos ? ReadEscPos(bytes) : Cp1252ToUtf8(bytes));
    }
    return transcript;
}

}  // namespace vantor::test
