// A printer's network port for the CUPS raw-queue test: listens on 127.0.0.1
// (a free port, written to PORT_FILE), appends the bytes of every connection
// to CAPTURE_FILE at once, and stops after SECONDS. With "mute", a printer
// that never answers: it takes every connection and neither reads nor closes it.
// Usage: raw-listener PORT_FILE CAPTURE_FILE SECONDS [mute]
#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

int main(int argc, char** argv) {
    const int server = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    const bool mute = argc == 5 && std::strcmp(argv[4], "mute") == 0;
    if (argc != 4 + (mute ? 1 : 0) || server < 0 ||
        ::bind(server, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(server, 4) != 0 ||
        ::getsockname(server, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        std::perror("usage: raw-listener PORT_FILE CAPTURE_FILE SECONDS [mute]");
        return 2;
    }
    std::ofstream(argv[1]) << ntohs(address.sin_port) << '\n';
    std::vector<int> held;  // the connections of a mute printer, open to the end
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[3]));
    while (std::chrono::steady_clock::now() < end) {
        pollfd waiting{server, POLLIN, 0};
        if (::poll(&waiting, 1, 200) <= 0) {
            continue;
        }
        const int connection = ::accept(server, nullptr, nullptr);
        if (mute) {
            held.push_back(connection);
            continue;
        }
        std::ofstream capture(argv[2], std::ios::binary | std::ios::app);
        char buffer[4096];
        for (ssize_t count = 0; (count = ::read(connection, buffer, sizeof buffer)) > 0;) {
            capture.write(buffer, count).flush();
        }
        ::close(connection);
    }
}
