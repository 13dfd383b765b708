#pragma once

#include <string>
#include <vector>

namespace vantor {

// The first call of the program's main: readies the standard streams and
// returns the arguments after the program's name, as UTF-8 text.
//   Standard input, output and error pass bytes through unchanged (the
//   transcripts and reports end their lines with CR LF themselves, and a
//   script may hold any byte); a console shows UTF-8.
//   POSIX: the arguments as given (UTF-8 already); the streams are binary
//   already.
//   Windows: the arguments from GetCommandLineW and CommandLineToArgvW,
//   turned into UTF-8 (argv is in the ANSI code page); _setmode(_O_BINARY)
//   on the three streams; SetConsoleOutputCP(CP_UTF8).
std::vector<std::string> EnterProgram(int argc, char** argv);

}  // namespace vantor
