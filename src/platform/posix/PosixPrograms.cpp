#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Programs.h"

extern char** environ;

namespace vantor {

namespace {

// Reads both pipes until the program closes them, whichever it fills first.
void DrainPipes(int outPipe, int errPipe, std::string& out, std::string& err) {
    pollfd fds[2] = {{outPipe, POLLIN, 0}, {errPipe, POLLIN, 0}};
    std::string* sinks[2] = {&out, &err};
    int open = 2;
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            char buffer[65536];
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

class PosixPrograms : public Programs {
public:
    ProgramOutput Run(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder) override {
        ProgramOutput output;
        int outPipe[2];
        int errPipe[2];
        if (::pipe2(outPipe, O_CLOEXEC) != 0) {
            output.notStarted = std::strerror(errno);
            return output;
        }
        if (::pipe2(errPipe, O_CLOEXEC) != 0) {
            output.notStarted = std::strerror(errno);
            ::close(outPipe[0]);
            ::close(outPipe[1]);
            return output;
        }
        std::vector<std::string> words{program};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        // The child alone changes folder: ours is shared by every thread.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
        posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        if (!workingFolder.empty()) {
            posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
        }
        pid_t child = 0;
        const int spawned =
            ::posix_spawnp(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(outPipe[1]);
        ::close(errPipe[1]);
        if (spawned != 0) {
            ::close(outPipe[0]);
            ::close(errPipe[0]);
            output.notStarted = std::strerror(spawned);
            return output;
        }
        DrainPipes(outPipe[0], errPipe[0], output.out, output.err);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        output.started = true;
        output.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return output;
    }
};

}  // namespace

Programs& SystemPrograms() {
    static PosixPrograms programs;
    return programs;
}

}  // namespace vantor
