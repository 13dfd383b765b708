#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vantor::test {

// The program run by a test, as the operating system knows it
// (RunTillPosix.cpp, RunTillWin32.cpp). Its input is a pipe the test writes
// to and its outputs go to files, so that no full pipe can stall a run.
struct TillProcess {
    std::intptr_t id = 0;     // pid_t or HANDLE
    std::intptr_t input = 0;  // the test's end of the input pipe: fd or HANDLE
};

TillProcess StartProcess(const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment,
                         const std::string& outFile, const std::string& errFile);
// Writes the lines to the program's input (no more once it stopped reading).
void SendInput(const TillProcess& child, const std::string& lines);
// Closes the program's input and waits for its end: the exit status, -1 when
// the program did not exit normally.
int WaitForExit(const TillProcess& child);

}  // namespace vantor::test
