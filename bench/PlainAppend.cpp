// The yardstick of the checkout benchmark: appends the bytes of one sale's
// journal records to a file COUNT times, each with its own open(), one
// write(), fsync() and close(), and prints the mean time of one append in
// milliseconds.
//   plain-append RECORDS-FILE JOURNAL COUNT
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

bool AppendOnce(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                    ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: plain-append RECORDS-FILE JOURNAL COUNT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const long count = std::strtol(argv[3], nullptr, 10);
    if (bytes.empty() || count <= 0) {
        std::fprintf(stderr, "plain-append: no bytes to append or no count\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < count; ++i) {
        if (!AppendOnce(argv[2], bytes)) {
            std::fprintf(stderr, "plain-append: %s: %s\n", argv[2], std::strerror(errno));
            return 1;
        }
    }
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    std::printf("%.3f\n", elapsed.count() / static_cast<double>(count));
    return 0;
}
