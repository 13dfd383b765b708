// The program as a child process on POSIX systems: spawned through env, its
// input a pipe.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <stdexcept>

#include "support/TillProcess.h"

extern char** environ;

namespace vantor::test {

namespace {

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

TillProcess StartProcess(const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment,
                         const std::string& outFile, const std::string& errFile) {
    ::signal(SIGPIPE, SIG_IGN);  // a child that stops reading must not kill the test
    int in[2];
    if (::pipe2(in, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT, 0600);
    // env sets the extra variables and becomes the program.
    std::vector<std::string> argv{"env"};
    for (const auto& [name, value] : environment) {
        argv.push_back(name + "=" + value);
    }
    argv.push_back(VANTOR_EXECUTABLE);
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    pid_t pid = -1;
    const int spawned =
        ::posix_spawnp(&pid, "env", &actions, nullptr, Pointers(argv).data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    if (spawned != 0) {
        ::close(in[1]);
        throw std::runtime_error(std::string("spawn: ") + std::strerror(spawned));
    }
    return {pid, in[1]};
}

void SendInput(const TillProcess& child, const std::string& lines) {
    for (std::size_t sent = 0; sent < lines.size();) {
        const ssize_t n =
            ::write(static_cast<int>(child.input), lines.data() + sent, lines.size() - sent);
        if (n <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(n);
    }
}

int WaitForExit(const TillProcess& child) {
    ::close(static_cast<int>(child.input));
    int status = 0;
    ::waitpid(static_cast<pid_t>(child.id), &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace vantor::test
