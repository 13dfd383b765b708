// A printer's network port as the CUPS raw-queue test needs it: listens on
// 127.0.0.1 (a free port, written to PORT_FILE), appends the bytes of every
// connection to CAPTURE_FILE, and stops after SECONDS.
// Usage: raw-listener PORT_FILE CAPTURE_FILE SECONDS
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

// A socket listening on 127.0.0.1; its port goes to port.
int Listen(int& port) {
    const int server = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (server < 0 || ::bind(server, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(server, 4) != 0 ||
        ::getsockname(server, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        std::perror("raw-listener");
        std::exit(1);
    }
    port = ntohs(address.sin_port);
    return server;
}

// Reads the connection to its end; the bytes go to the capture file at once.
void Capture(int connection, const char* path) {
    std::ofstream capture(path, std::ios::binary | std::ios::app);
    char buffer[4096];
    ssize_t count = 0;
    while ((count = ::read(connection, buffer, sizeof buffer)) > 0) {
        capture.write(buffer, count);
        capture.flush();
    }
    ::close(connection);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: raw-listener PORT_FILE CAPTURE_FILE SECONDS\n");
        return 2;
    }
    int port = 0;
    const int server = Listen(port);
    std::ofstream(argv[1]) << port << '\n';
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[3]));
    while (std::chrono::steady_clock::now() < end) {
        pollfd waiting{server, POLLIN, 0};
        if (::poll(&waiting, 1, 200) > 0) {
            Capture(::accept(server, nullptr, nullptr), argv[2]);
        }
    }
    return 0;
}
