// The Windows desktop: the program of a file type from the file
// associations, the on-screen keyboard's process.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/Desktop.h"
#include "platform/win32/Utf16.h"

namespace vantor::test {
namespace {

// A file type registered in the classes root (wine 8 reads the associations
// from there, not from the user's own classes), removed at the end. Its kind
// is given, or made with the command that opens it.
class FileType {
public:
    FileType(const std::wstring& extension, const std::wstring& kind,
             const std::wstring& command = L"")
        : extension_(extension), kind_(command.empty() ? L"" : kind) {
        Set(extension_, kind);
        if (!command.empty()) {
            Set(kind_ + L"\\shell\\open\\command", command);
        }
    }
    ~FileType() {
        ::RegDeleteTreeW(HKEY_CLASSES_ROOT, extension_.c_str());
        if (!kind_.empty()) {
            ::RegDeleteTreeW(HKEY_CLASSES_ROOT, kind_.c_str());
        }
    }
    FileType(const FileType&) = delete;
    FileType& operator=(const FileType&) = delete;

private:
    static void Set(const std::wstring& key, const std::wstring& value) {
        const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                                    bytes),
                  ERROR_SUCCESS);
    }

    std::wstring extension_;
    std::wstring kind_;
};

std::wstring ThisProgram() {
    std::wstring path(MAX_PATH * 4, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The program's full path, whose file name is the expected one.
TEST(Win32Desktop, TheProgramOfAFileTypeIsTheInstalledOneOfItsAssociation) {
    const std::wstring self = ThisProgram();
    const FileType present(L".vtqa", L"VantorTest.vtqa", L"\"" + self + L"\" \"%1\"");
    const FileType removed(L".vtqb", L"VantorTest.vtqb", L"\"C:\\absent\\gone.exe\" \"%1\"");
    const FileType text(L".vtqc", L"txtfile");  // wine's own kind
    const FileType bare(L".vtqd", L"VantorTest.vtqd", L"notepad.exe \"%1\"");
    const std::string selfName = Lower(win32::Utf8(self.substr(self.rfind(L'\\') + 1)));
    const struct {
        std::string file;
        std::string program;
    } cases[] = {
        {"C:\\Mes données\\notes.vtqc", "notepad.exe"},
        {"notes.vtqd", "notepad.exe"},  // found on the system's path
        {"C:\\Mes données\\tempcsv.vtqa", selfName},
        {"tempcsv.VTQA", selfName},
        {"tempcsv.vtqb", ""},
        {"tempcsv.vtqz", ""},
        {"C:\\Mes données\\sans extension", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string found = Lower(FileTypeOpener(c.file));
        if (c.program.empty()) {
            EXPECT_EQ(found, "");
            continue;
        }
        EXPECT_EQ(found.find(":\\"), 1u) << found;
        EXPECT_TRUE(found.ends_with("\\" + c.program)) << found;
    }
}

bool EndsSoon(const KeyboardProgram& program) {
    for (int tries = 0; tries < 200 && program.Running(); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return !program.Running();
}

// The keyboard runs from its start to its own end (or the object's).
TEST(Win32Desktop, TheKeyboardProgramRunsFromItsStart) {
    const struct {
        std::string program;
        std::vector<std::string> arguments;
        bool starts;
        bool stays;
    } cases[] = {
        {"no-such-keyboard-program", {}, false, false},
        {"rundll32.exe", {}, true, false},
        {"ping.exe", {"-n", "30", "127.0.0.1"}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        const auto program = MakeKeyboardProgram(c.program, c.arguments);
        EXPECT_FALSE(program->Running());
        EXPECT_EQ(program->Start(), c.starts);
        if (c.stays) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            EXPECT_TRUE(program->Running());
            program->Show();
            program->Hide();
            EXPECT_TRUE(program->Running());
        } else {
            EXPECT_TRUE(EndsSoon(*program));
        }
    }
}

}  // namespace
}  // namespace vantor::test
