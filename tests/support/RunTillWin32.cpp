// The program run by the tests on Windows: CreateProcessW, its input a pipe.
#include <windows.h>

#include <stdexcept>

#include "platform/win32/Utf16.h"
#include "support/TillProcess.h"

namespace vantor::test {

namespace {

// This process's environment with the extra variables set, as a block of
// "NAME=value" strings that ends with an empty one.
std::wstring EnvironmentBlock(const std::map<std::string, std::string>& extra) {
    std::map<std::wstring, std::wstring> variables;
    wchar_t* strings = ::GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry != L'\0'; entry += wcslen(entry) + 1) {
        const std::wstring text = entry;
        const std::size_t equals = text.find(L'=', 1);  // "=C:=C:\..." entries start with '='
        variables[text.substr(0, equals)] =
            equals == std::wstring::npos ? L"" : text.substr(equals + 1);
    }
    ::FreeEnvironmentStringsW(strings);
    for (const auto& [name, value] : extra) {
        variables[win32::Utf16(name)] = win32::Utf16(value);
    }
    std::wstring block;
    for (const auto& [name, value] : variables) {
        block += name + L"=" + value;
        block += L'\0';
    }
    return block + L'\0';
}

// The program's full path, taken while the current folder is still the one
// ctest started in: the path of a cross build has no drive ("/work/...").
const std::wstring kProgram = [] {
    const std::wstring given = win32::Utf16(VANTOR_EXECUTABLE);
    std::wstring full(MAX_PATH * 4, L'\0');
    const DWORD size =
        ::GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    return size == 0 || size >= full.size() ? given : full.substr(0, size);
}();

// A file for one of the program's outputs, which the test can read meanwhile.
HANDLE OutputFile(const std::string& path, SECURITY_ATTRIBUTES& inherited) {
    HANDLE file = ::CreateFileW(win32::Utf16(path).c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherited,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("CreateFileW " + path);
    }
    return file;
}

}  // namespace

TillProcess StartProcess(const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment,
                         const std::string& outFile, const std::string& errFile) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE childIn = nullptr;
    HANDLE input = nullptr;
    if (!::CreatePipe(&childIn, &input, &inherited, 0)) {
        throw std::runtime_error("CreatePipe");
    }
    ::SetHandleInformation(input, HANDLE_FLAG_INHERIT, 0);
    std::wstring line = win32::QuotedArgument(kProgram);
    for (const std::string& argument : arguments) {
        line += L" " + win32::QuotedArgument(win32::Utf16(argument));
    }
    std::wstring block = EnvironmentBlock(environment);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = OutputFile(outFile, inherited);
    startup.hStdError = OutputFile(errFile, inherited);
    PROCESS_INFORMATION process{};
    // Under wine a start now and then fails with an internal error (1359)
    // when the machine is busy, and succeeds a moment later: a few tries.
    BOOL started = FALSE;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        if (attempt > 0) {
            ::Sleep(500);
        }
        started = ::CreateProcessW(kProgram.c_str(), line.data(), nullptr, nullptr, TRUE,
                                   CREATE_UNICODE_ENVIRONMENT | DETACHED_PROCESS, block.data(),
                                   nullptr, &startup, &process);
    }
    const DWORD error = started ? 0 : ::GetLastError();  // before CloseHandle sets its own
    for (HANDLE childEnd : {childIn, startup.hStdOutput, startup.hStdError}) {
        ::CloseHandle(childEnd);
    }
    if (!started) {
        ::CloseHandle(input);
        throw std::runtime_error("CreateProcessW: error " + std::to_string(error));
    }
    ::CloseHandle(process.hThread);
    return {reinterpret_cast<std::intptr_t>(process.hProcess),
            reinterpret_cast<std::intptr_t>(input)};
}

void SendInput(const TillProcess& child, const std::string& lines) {
    std::size_t sent = 0;
    DWORD written = 0;
    while (sent < lines.size() &&
           ::WriteFile(reinterpret_cast<HANDLE>(child.input), lines.data() + sent,
                       static_cast<DWORD>(lines.size() - sent), &written, nullptr)) {
        sent += written;
    }
}

// -1 for a crash (an exception code, not a status).
int WaitForExit(const TillProcess& child) {
    ::CloseHandle(reinterpret_cast<HANDLE>(child.input));
    const HANDLE process = reinterpret_cast<HANDLE>(child.id);
    ::WaitForSingleObject(process, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(process, &code);
    ::CloseHandle(process);
    return (code & 0xC0000000u) == 0xC0000000u ? -1 : static_cast<int>(code);
}

}  // namespace vantor::test
