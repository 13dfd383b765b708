#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/types.h>
#endif

#include "support/RunTill.h"

namespace vantor::test {

// The running program and the test's ends of its pipes.
struct TillProcess {
#ifdef _WIN32
    void* process = nullptr;  // HANDLEs
    void* in = nullptr;
    void* out = nullptr;
    void* err = nullptr;
#else
    pid_t pid = -1;
    int in = -1;
    int out = -1;
    int err = -1;
#endif
};

// The part of RunningTill that depends on the operating system
// (RunTillPosix.cpp, RunTillWin32.cpp): the program started with three pipes.
std::unique_ptr<TillProcess> StartProcess(const std::vector<std::string>& arguments,
                                          const std::map<std::string, std::string>& environment);
bool Running(const TillProcess& child);
// Writes the lines to the program's input (no more once it stopped reading).
void SendInput(TillProcess& child, const std::string& lines);
void CloseInput(TillProcess& child);
// Appends what the program wrote next; false after timeoutMs or at its end.
bool ReadOutput(TillProcess& child, std::string& out, int timeoutMs);
// Reads the program's output or its errors to their end, then closes the pipe.
void ReadToEnd(TillProcess& child, bool errors, std::string& text);
// Waits for the end: the exit status, -1 when the program did not exit normally.
int WaitForExit(TillProcess& child);

}  // namespace vantor::test
