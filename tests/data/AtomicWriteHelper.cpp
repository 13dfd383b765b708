// Child process of the crash-safety tests: replaces the file named first with
// the lines read from standard input, through the till's atomic writer. Exits
// 0 when the file was written, 2 with the reason on stderr when the writer threw.

#include <sys/resource.h>

#include <iostream>
#include <string>
#include <vector>

#include "data/TextFile.h"

int main(int argc, char** argv) {
    // The tests abort this process on purpose: no core file for that.
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    std::vector<std::string> lines;
    for (std::string line; std::getline(std::cin, line);) {
        lines.push_back(line);
    }
    try {
        vantor::WriteLinesAtomic(argc > 1 ? argv[1] : "", lines);
    } catch (const vantor::FileError& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    return 0;
}
