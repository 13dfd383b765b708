// The program's entry on Windows: binary standard streams, a UTF-8 console and
// the words of the UTF-16 command line.
// windows.h first: the other system headers need its definitions.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/ProgramEntry.h"
#include "platform/win32/Utf16.h"

namespace vantor {

std::vector<std::string> EnterProgram(int /*argc*/, char** /*argv*/) {
    for (FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
    ::SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words != nullptr && i < count; ++i) {
        arguments.push_back(win32::Utf8(words[i]));
    }
    ::LocalFree(words);
    return arguments;
}

}  // namespace vantor
