// The Windows desktop: the program of a file type from the file
// associations, the system's on-screen keyboard osk.exe.
// windows.h first: the other system headers need its definitions.
#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

#include <filesystem>

#include "platform/Desktop.h"
#include "platform/win32/Utf16.h"

namespace vantor {
namespace {

struct ProcessWindows {
    DWORD process;
    bool close;
};

// Restores (or closes) the top-level windows of one process.
BOOL CALLBACK ForEachWindow(HWND window, LPARAM parameter) {
    const auto* windows = reinterpret_cast<const ProcessWindows*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != windows->process) {
        return TRUE;
    }
    if (windows->close) {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
    } else if (::IsIconic(window)) {
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    return TRUE;
}

// Started through the shell rather than CreateProcessW: osk.exe asks for
// the access a keyboard needs to type into other windows, which only the
// shell grants.
class OskProgram : public KeyboardProgram {
public:
    OskProgram(std::wstring program, std::wstring parameters)
        : program_(std::move(program)), parameters_(std::move(parameters)) {}
    ~OskProgram() override {
        if (Running()) {
            Windows(true);
            if (::WaitForSingleObject(process_, 1000) == WAIT_TIMEOUT) {
                ::TerminateProcess(process_, 0);
            }
        }
        Release();
    }
    OskProgram(const OskProgram&) = delete;
    OskProgram& operator=(const OskProgram&) = delete;

    bool Start() override {
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        info.lpVerb = L"open";
        info.lpFile = program_.c_str();  // looked up as the desktop does
        info.lpParameters = parameters_.c_str();
        info.nShow = SW_SHOWNOACTIVATE;
        if (!::ShellExecuteExW(&info) || info.hProcess == nullptr) {
            return false;
        }
        Release();
        process_ = info.hProcess;
        return true;
    }
    bool Running() const override {
        return process_ != nullptr && ::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
    }
    // A keyboard the user minimised comes back.
    void Show() override { Windows(false); }
    // Left to the user: closing osk.exe's window would end it, and the next
    // Show would start it again.
    void Hide() override {}

private:
    void Windows(bool close) const {
        ProcessWindows windows{::GetProcessId(process_), close};
        ::EnumWindows(ForEachWindow, reinterpret_cast<LPARAM>(&windows));
    }
    void Release() {
        if (process_ != nullptr) {
            ::CloseHandle(process_);
            process_ = nullptr;
        }
    }

    std::wstring program_;
    std::wstring parameters_;
    HANDLE process_ = nullptr;
};

}  // namespace

const char* const kKeyboardProgram = "osk.exe";

std::string FileTypeOpener(const std::string& file) {
    const std::wstring extension = std::filesystem::path(win32::Utf16(file)).extension().wstring();
    if (extension.empty()) {
        return "";
    }
    std::wstring executable(MAX_PATH * 4, L'\0');
    DWORD size = static_cast<DWORD>(executable.size());
    if (::AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_EXECUTABLE, extension.c_str(),
                            nullptr, executable.data(), &size) != S_OK) {
        return "";
    }
    // A full path; an association whose program was removed has none.
    return win32::Utf8(executable.c_str());
}

std::unique_ptr<KeyboardProgram> MakeKeyboardProgram(const std::string& program,
                                                     const std::vector<std::string>& arguments) {
    std::wstring parameters;
    for (const std::string& argument : arguments) {
        parameters +=
            (parameters.empty() ? L"" : L" ") + win32::QuotedArgument(win32::Utf16(argument));
    }
    return std::make_unique<OskProgram>(win32::Utf16(program), parameters);
}

}  // namespace vantor
