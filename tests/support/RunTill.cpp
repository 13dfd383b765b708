#include "support/RunTill.h"

#include <sstream>

// The process runner of POSIX systems; Windows has its own (RunTillWin32.cpp).
#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>

extern char** environ;
#endif

namespace vantor::test {

#ifndef _WIN32
namespace {

std::vector<std::string> Environment(const std::map<std::string, std::string>& extra) {
    std::map<std::string, std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        std::string text = *entry;
        std::size_t equals = text.find('=');
        variables[text.substr(0, equals)] =
            equals == std::string::npos ? "" : text.substr(equals + 1);
    }
    for (const auto& [name, value] : extra) {
        variables[name] = value;
    }
    std::vector<std::string> result;
    for (const auto& [name, value] : variables) {
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

// Feeds the input and collects both outputs without deadlocking on full pipes.
void Exchange(int in, int out, int err, const std::string& input, TillRun& run) {
    std::size_t sent = 0;
    if (input.empty()) {
        ::close(in);
        in = -1;
    }
    while (out >= 0 || err >= 0) {
        pollfd fds[3] = {{in, POLLOUT, 0}, {out, POLLIN, 0}, {err, POLLIN, 0}};
        if (::poll(fds, 3, -1) < 0 && errno != EINTR) {
            throw std::runtime_error("poll");
        }
        if (in >= 0 && (fds[0].revents & (POLLOUT | POLLERR | POLLHUP)) != 0) {
            ssize_t n = ::write(in, input.data() + sent, input.size() - sent);
            sent += n > 0 ? static_cast<std::size_t>(n) : 0;
            if (n < 0 || sent == input.size()) {
                ::close(in);
                in = -1;
            }
        }
        for (int k = 1; k <= 2; ++k) {
            if ((fds[k].revents & (POLLIN | POLLHUP | POLLERR)) == 0) {
                continue;
            }
            char buffer[4096];
            ssize_t n = ::read(fds[k].fd, buffer, sizeof buffer);
            std::string& target = k == 1 ? run.out : run.err;
            if (n > 0) {
                target.append(buffer, static_cast<std::size_t>(n));
            } else {
                ::close(fds[k].fd);
                (k == 1 ? out : err) = -1;
            }
        }
    }
    if (in >= 0) {
        ::close(in);
    }
}

struct Spawned {
    pid_t pid;
    int in;
    int out;
    int err;
};

Spawned Spawn(const std::vector<std::string>& arguments,
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
    std::vector<char*> argvPointers = Pointers(argv);
    std::vector<char*> envPointers = Pointers(envp);
    pid_t pid = 0;
    int spawned = ::posix_spawn(&pid, VANTOR_EXECUTABLE, &actions, nullptr, argvPointers.data(),
                                envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    if (spawned != 0) {
        throw std::runtime_error(std::string("spawn: ") + std::strerror(spawned));
    }
    return {pid, in[1], out[0], err[0]};
}

int Wait(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TillRun RunVantor(const std::vector<std::string>& arguments, const std::string& input,
                  const std::map<std::string, std::string>& environment) {
    Spawned child = Spawn(arguments, environment);
    TillRun run;
    Exchange(child.in, child.out, child.err, input, run);
    run.status = Wait(child.pid);
    return run;
}

RunningTill::RunningTill(const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment) {
    Spawned child = Spawn(arguments, environment);
    pid_ = child.pid;
    in_ = child.in;
    out_ = child.out;
    err_ = child.err;
}

RunningTill::~RunningTill() {
    if (pid_ > 0) {
        Finish("");
    }
}

void RunningTill::Send(const std::string& lines) {
    std::size_t sent = 0;
    while (sent < lines.size()) {
        ssize_t n = ::write(in_, lines.data() + sent, lines.size() - sent);
        if (n <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(n);
    }
}

bool RunningTill::WaitFor(const std::string& text, int timeoutMs) {
    while (run_.out.find(text) == std::string::npos) {
        pollfd fd{out_, POLLIN, 0};
        if (::poll(&fd, 1, timeoutMs) <= 0) {
            return false;
        }
        char buffer[4096];
        ssize_t n = ::read(out_, buffer, sizeof buffer);
        if (n <= 0) {
            return false;
        }
        run_.out.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

TillRun RunningTill::Finish(const std::string& input) {
    Exchange(in_, out_, err_, input, run_);
    run_.status = Wait(pid_);
    pid_ = -1;
    return run_;
}
#endif

TillRun RunScript(const std::string& dataDir, const std::string& script) {
    return RunVantor({"--headless", "--data-dir", dataDir}, script);
}

std::vector<std::string> LinesStartingWith(const std::string& transcript,
                                           const std::string& prefix) {
    std::vector<std::string> lines;
    std::istringstream in(transcript);
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with(prefix)) {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace vantor::test
