#include "support/Page.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "data/Cp1252.h"
#include "platform/Paths.h"
#include "support/TempDir.h"

namespace vantor::test {

namespace {

constexpr std::string_view kHeader = "== ";
constexpr std::string_view kNoLastLineEnd = " (no line end at the end)";
constexpr std::string_view kAbsent = " (none)";

// The section a "== " line of the input opens.
enum class Section { Script, File, Command };

Section SectionOf(const std::string& name) {
    if (name == "script") {
        return Section::Script;
    }
    return name == "command" ? Section::Command : Section::File;
}

// A file given, from the name of its header.
GivenFile GivenOf(std::string name) {
    GivenFile file;
    file.absent = name.ends_with(kAbsent);
    if (file.absent) {
        name.resize(name.size() - kAbsent.size());
    }
    file.folder = name.ends_with("/");
    if (file.folder) {
        name.pop_back();
    }
    file.name = name;
    return file;
}

// The bytes of a section's text: Windows-1252, the last line feed dropped
// when its header asks.
void Close(GivenFile& file, const std::string& text, bool noLastLineEnd) {
    file.bytes = Utf8ToCp1252(text);
    if (noLastLineEnd && file.bytes.ends_with('\n')) {
        file.bytes.pop_back();
    }
}

// Where the page's mark starts: the first line "== transcript" or "== output".
std::size_t FindMark(const std::string& text, std::string& mark) {
    for (std::size_t at = 0, end = text.find('\n'); end != std::string::npos;
         at = end + 1, end = text.find('\n', at)) {
        for (const char* name : {"transcript", "output"}) {
            if (text.substr(at, end - at) == std::string(kHeader) + name) {
                mark = name;
                return at;
            }
        }
    }
    return std::string::npos;
}

// The input's sections: the script's lines, each file given and the command.
void ReadInput(Page& page) {
    Section section = Section::Script;
    std::string body;  // the text of the section being read
    bool noLastLineEnd = false;
    const auto closeSection = [&] {
        if (section == Section::File) {
            Close(page.given.back(), body, noLastLineEnd);
        } else if (section == Section::Command) {
            page.command = body.substr(0, body.find('\n'));
        }
        body.clear();
    };
    std::istringstream lines(page.input);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(kHeader)) {
            (section == Section::Script ? page.script : body) += line + "\n";
            continue;
        }
        closeSection();
        std::string name = line.substr(kHeader.size());
        noLastLineEnd = name.ends_with(kNoLastLineEnd);
        if (noLastLineEnd) {
            name.resize(name.size() - kNoLastLineEnd.size());
        }
        section = SectionOf(name);
        if (section == Section::File) {
            page.given.push_back(GivenOf(name));
        }
    }
    closeSection();
}

}  // namespace

Page ReadPage(const std::string& path) {
    Page page;
    page.path = path;
    const std::string text = Slurp(path);
    const std::size_t mark = FindMark(text, page.mark);
    if (mark == std::string::npos) {
        ADD_FAILURE() << path << ": no line \"== transcript\" nor \"== output\"";
        return page;
    }
    page.input = text.substr(0, mark);
    page.expected = text.substr(mark + kHeader.size() + page.mark.size() + 1);
    ReadInput(page);
    return page;
}

std::string Unmasked(std::string text, const std::string& name, const std::string& folder) {
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
        // "$HOME" is the shell's variable, as user-dirs.dirs writes it.
        if (at > 0 && text[at - 1] == '$') {
            at += name.size();
            continue;
        }
        text.replace(at, name.size(), folder);
        at += folder.size();
    }
    return text;
}

void WriteGiven(const Page& page, const std::string& folder, const std::string& name,
                const std::string& named) {
    std::filesystem::path beside = ToPath(page.path);
    beside.replace_extension();
    if (std::filesystem::is_directory(beside)) {
        std::filesystem::copy(beside, ToPath(folder), std::filesystem::copy_options::recursive);
    }
    // The files hold Windows-1252, the folder's name too.
    const std::string shown = Utf8ToCp1252(named.empty() ? folder : named);
    for (const GivenFile& file : page.given) {
        const std::filesystem::path path = ToPath(folder) / ToPath(file.name);
        if (file.absent) {
            std::filesystem::remove_all(path);
            continue;
        }
        std::filesystem::create_directories(file.folder ? path : path.parent_path());
        if (!file.folder) {
            WriteRaw(FromPath(path), Unmasked(file.bytes, name, shown));
        }
    }
}

std::vector<std::string> CommandWords(const Page& page, const std::string& name,
                                      const std::string& folder) {
    std::istringstream line(page.command);
    std::vector<std::string> words;
    for (std::string word; line >> word;) {
        words.push_back(Unmasked(word, name, folder));
    }
    if (words.empty() || words.front() != "vantor") {
        ADD_FAILURE() << page.path << ": no command \"== command\", then \"vantor ...\"";
        return {};
    }
    words.erase(words.begin());
    return words;
}

std::vector<std::string> ShownFiles(const std::string& expected) {
    std::vector<std::string> names;
    for (std::size_t at = expected.find("\n== "); at != std::string::npos;
         at = expected.find("\n== ", at + 1)) {
        const std::size_t end = expected.find('\n', at + 1);
        std::string name = expected.substr(at + 4, end - at - 4);
        if (name.ends_with(" (none)")) {
            name.resize(name.size() - 7);
        }
        names.push_back(name);
    }
    return names;
}

void ExpectShown(const Page& page, const std::string& shown) {
    if (std::getenv("VANTOR_UPDATE_EXPECTED") != nullptr) {
        WriteRaw(page.path, page.input + std::string(kHeader) + page.mark + "\n" + shown);
    }
    EXPECT_EQ(shown, page.expected) << page.path;
}

}  // namespace vantor::test
