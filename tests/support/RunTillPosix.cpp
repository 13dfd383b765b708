// The program as a child process on POSIX systems: posix_spawn and three pipes.
#include <fcntl.h>
#include <poll.h>
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

void Close(int& fd) {
    if (fd >= 0) {
        ::close(fd);
    }
    fd = -1;
}

// This process's environment with the extra variables set.
std::vector<std::string> Environment(const std::map<std::string, std::string>& extra) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (!extra.contains(text.substr(0, text.find('=')))) {
            result.push_back(text);
        }
    }
    for (const auto& [name, value] : extra) {
        result.push_back(name + "=" + value);
    }
    return result;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

std::unique_ptr<TillProcess> StartProcess(const std::vector<std::string>& arguments,
                                          const std::map<std::string, std::string>& environment) {
    ::signal(SIGPIPE, SIG_IGN);  // a child that stops reading must not kill the test
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 ||
        ::pipe2(err, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    std::vector<std::string> argv{VANTOR_EXECUTABLE};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp = Environment(environment);
    auto child = std::make_unique<TillProcess>(TillProcess{-1, in[1], out[0], err[0]});
    const int spawned = ::posix_spawn(&child->pid, VANTOR_EXECUTABLE, &actions, nullptr,
                                      Pointers(argv).data(), Pointers(envp).data());
    posix_spawn_file_actions_destroy(&actions);
    for (int fd : {in[0], out[1], err[1]}) {
        ::close(fd);
    }
    if (spawned != 0) {
        throw std::runtime_error(std::string("spawn: ") + std::strerror(spawned));
    }
    return child;
}

bool Running(const TillProcess& child) {
    return child.pid > 0;
}

void SendInput(TillProcess& child, const std::string& lines) {
    for (std::size_t sent = 0; sent < lines.size();) {
        const ssize_t n = ::write(child.in, lines.data() + sent, lines.size() - sent);
        if (n <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(n);
    }
}

bool ReadOutput(TillProcess& child, std::string& out, int timeoutMs) {
    pollfd fd{child.out, POLLIN, 0};
    char buffer[4096];
    const ssize_t n = ::poll(&fd, 1, timeoutMs) > 0 ? ::read(fd.fd, buffer, sizeof buffer) : 0;
    if (n <= 0) {
        return false;
    }
    out.append(buffer, static_cast<std::size_t>(n));
    return true;
}

void CloseInput(TillProcess& child) {
    Close(child.in);
}

void ReadToEnd(TillProcess& child, bool errors, std::string& text) {
    int& fd = errors ? child.err : child.out;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    Close(fd);
}

int WaitForExit(TillProcess& child) {
    int status = 0;
    ::waitpid(child.pid, &status, 0);
    child.pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace vantor::test
