// The program run by the tests on Windows: CreateProcessW with three pipes.
#include <windows.h>

#include <algorithm>
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

// A pipe whose child end (reading or writing) is inherited and whose own end is not.
void Pipe(HANDLE& childEnd, HANDLE& ownEnd, bool childReads) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!::CreatePipe(&read, &write, &inherited, 0)) {
        throw std::runtime_error("CreatePipe");
    }
    childEnd = childReads ? read : write;
    ownEnd = childReads ? write : read;
    ::SetHandleInformation(ownEnd, HANDLE_FLAG_INHERIT, 0);
}

}  // namespace

std::unique_ptr<TillProcess> StartProcess(const std::vector<std::string>& arguments,
                                          const std::map<std::string, std::string>& environment) {
    HANDLE childIn, childOut, childErr;
    auto child = std::make_unique<TillProcess>();
    Pipe(childIn, child->in, true);
    Pipe(childOut, child->out, false);
    Pipe(childErr, child->err, false);
    std::wstring line = win32::QuotedArgument(kProgram);
    for (const std::string& argument : arguments) {
        line += L" " + win32::QuotedArgument(win32::Utf16(argument));
    }
    std::wstring block = EnvironmentBlock(environment);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = childOut;
    startup.hStdError = childErr;
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(kProgram.c_str(), line.data(), nullptr, nullptr, TRUE,
                                          CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW,
                                          block.data(), nullptr, &startup, &process);
    ::CloseHandle(childIn);
    ::CloseHandle(childOut);
    ::CloseHandle(childErr);
    if (!started) {
        throw std::runtime_error("CreateProcessW: error " + std::to_string(::GetLastError()));
    }
    ::CloseHandle(process.hThread);
    child->process = process.hProcess;
    return child;
}

bool Running(const TillProcess& child) {
    return child.process != nullptr;
}

void SendInput(TillProcess& child, const std::string& lines) {
    std::size_t sent = 0;
    DWORD written = 0;
    while (sent < lines.size() &&
           ::WriteFile(child.in, lines.data() + sent, static_cast<DWORD>(lines.size() - sent),
                       &written, nullptr)) {
        sent += written;
    }
}

void CloseInput(TillProcess& child) {
    ::CloseHandle(child.in);
}

void ReadToEnd(TillProcess& child, bool errors, std::string& text) {
    HANDLE pipe = errors ? child.err : child.out;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    ::CloseHandle(pipe);
}

// Polls the pipe until bytes come (a read would block past the deadline).
bool ReadOutput(TillProcess& child, std::string& out, int timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (DWORD available = 0;; ::Sleep(10)) {
        if (!::PeekNamedPipe(child.out, nullptr, 0, nullptr, &available, nullptr)) {
            return false;  // the run has ended
        }
        if (available > 0) {
            char buffer[4096];
            DWORD got = 0;
            const DWORD size = std::min<DWORD>(available, sizeof buffer);
            if (!::ReadFile(child.out, buffer, size, &got, nullptr)) {
                return false;
            }
            out.append(buffer, got);
            return true;
        }
        if (::GetTickCount64() >= deadline) {
            return false;
        }
    }
}

// -1 for a crash (an exception code, not a status).
int WaitForExit(TillProcess& child) {
    ::WaitForSingleObject(child.process, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(child.process, &code);
    ::CloseHandle(child.process);
    child.process = nullptr;
    return (code & 0xC0000000u) == 0xC0000000u ? -1 : static_cast<int>(code);
}

}  // namespace vantor::test
