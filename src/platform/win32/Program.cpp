#include "platform/win32/Program.h"

// windows.h first: the other system headers need its definitions.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/win32/Utf16.h"

namespace vantor::win32 {

std::vector<std::string> StartProgram() {
    for (FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
    ::SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words != nullptr && i < count; ++i) {
        arguments.push_back(Utf8(words[i]));
    }
    ::LocalFree(words);
    return arguments;
}

}  // namespace vantor::win32
