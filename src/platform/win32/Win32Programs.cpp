#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Programs.h"
#include "platform/win32/Utf16.h"

namespace vantor {

namespace {

// A file the child writes its output into, read back once it has ended
// (two pipes read in turn could fill and stop it).
class OutputFile {
public:
    OutputFile() {
        wchar_t folder[MAX_PATH];
        wchar_t name[MAX_PATH];
        if (::GetTempPathW(MAX_PATH, folder) != 0 &&
            ::GetTempFileNameW(folder, L"vto", 0, name) != 0) {
            path_ = name;
            SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
            handle_ = ::CreateFileW(name, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY, nullptr);
        }
    }
    ~OutputFile() {
        Close();
        if (!path_.empty()) {
            ::DeleteFileW(path_.c_str());
        }
    }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    HANDLE Handle() const { return handle_; }
    bool Usable() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Close() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }
    std::string Text() const {
        std::ifstream in(std::filesystem::path(path_), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::wstring path_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

class Win32Programs : public Programs {
public:
    ProgramOutput Run(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder) override {
        ProgramOutput output;
        OutputFile out;
        OutputFile err;
        if (!out.Usable() || !err.Usable()) {
            output.notStarted = "fichier temporaire impossible";
            return output;
        }
        std::wstring line = win32::QuotedArgument(win32::Utf16(program));
        for (const std::string& argument : arguments) {
            line += L' ' + win32::QuotedArgument(win32::Utf16(argument));
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;
        startup.hStdOutput = out.Handle();
        startup.hStdError = err.Handle();
        PROCESS_INFORMATION process{};
        const std::wstring folder = win32::Utf16(workingFolder);
        if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                              nullptr, workingFolder.empty() ? nullptr : folder.c_str(), &startup,
                              &process)) {
            output.notStarted = std::strerror(win32::ErrnoOf(::GetLastError()));
            return output;
        }
        ::WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        ::GetExitCodeProcess(process.hProcess, &code);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        out.Close();
        err.Close();
        output.started = true;
        output.exitCode = static_cast<int>(code);
        output.out = out.Text();
        output.err = err.Text();
        return output;
    }
};

}  // namespace

Programs& SystemPrograms() {
    static Win32Programs programs;
    return programs;
}

}  // namespace vantor
