#pragma once

#include <string>
#include <vector>

namespace vantor::win32 {

// Called first in main. Standard input, output and error are made binary (a
// script's bytes and a transcript's line ends pass unchanged, a 0x1A byte
// ends nothing), the console shows UTF-8, and the words after the program's
// name are returned as UTF-8 text from the command line the system keeps in
// UTF-16 (argv holds them in the ANSI code page).
std::vector<std::string> StartProgram();

}  // namespace vantor::win32
