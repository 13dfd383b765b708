// Child process of the crash-safety tests: replaces the file named first with
// the lines of the file named second, through the till's atomic writer. Exits
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
    if (argc != 3) {
        return 1;
    }
    const std::vector<std::string> lines = vantor::ReadLines(argv[2]);
    try {
        vantor::WriteLinesAtomic(argv[1], lines);
    } catch (const vantor::FileError& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    return 0;
}
