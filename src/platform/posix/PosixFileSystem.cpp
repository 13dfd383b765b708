// The data files on a POSIX system: the C library's calls, retried when a
// signal interrupts them.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "platform/FileSystem.h"

namespace vantor {

static_assert(sizeof(off_t) == 8, "offsets past 2 GiB need a 64-bit off_t");

namespace {

int Fd(FileSystem::Handle handle) {
    return static_cast<int>(handle);
}

int Result(int status) {
    return status == 0 ? 0 : errno;
}

// Read and write for all, less what the user's umask takes away, as every
// program creates its files; the system applies the umask.
constexpr mode_t kSharedMode = 0666;
constexpr mode_t kOwnerMode = 0600;
constexpr mode_t kSharedFolderMode = 0777;
constexpr mode_t kOwnerFolderMode = 0700;

// Six characters of the name that no other call of this process has used.
std::string UniqueLetters() {
    static std::atomic<std::uint64_t> calls{0};
    const auto now =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t mixed = now * 0x9E3779B97F4A7C15ULL ^
                          static_cast<std::uint64_t>(::getpid()) * 0xC2B2AE3D27D4EB4FULL ^ ++calls;
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string letters;
    for (int i = 0; i < 6; ++i, mixed /= 62) {
        letters += kLetters[mixed % 62];
    }
    return letters;
}

class PosixFileSystem : public FileSystem {
public:
    int Open(const std::string& path, Mode mode, Handle& handle) override {
        const int flags = mode == Mode::Read     ? O_RDONLY
                          : mode == Mode::Append ? O_RDWR | O_CREAT | O_APPEND
                          : mode == Mode::Update ? O_RDWR
                                                 : O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW;
        const int fd = ::open(path.c_str(), flags | O_CLOEXEC, kSharedMode);
        handle = fd;
        return fd < 0 ? errno : 0;
    }

    // Created with its final rights: a kill at any moment never leaves a
    // key readable by others, nor a data file more private than the umask says.
    int CreateTemporary(std::string& path, Access access, Handle& handle) override {
        const std::size_t letters = path.size() - 6;
        const mode_t mode = access == Access::Owner ? kOwnerMode : kSharedMode;
        for (int tries = 0; tries < 100; ++tries) {
            path.replace(letters, 6, UniqueLetters());
            const int fd =
                ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            handle = fd;
            if (fd >= 0) {
                return 0;
            }
            if (errno != EEXIST) {
                return errno;
            }
        }
        return EEXIST;
    }

    int Size(Handle handle, std::uint64_t& size) override {
        struct stat status {};
        if (::fstat(Fd(handle), &status) != 0) {
            return errno;
        }
        size = static_cast<std::uint64_t>(status.st_size);
        return 0;
    }

    int ReadAt(Handle handle, char* buffer, std::size_t size, std::uint64_t offset,
               std::size_t& got) override {
        for (;;) {
            const ssize_t read = ::pread(Fd(handle), buffer, size, static_cast<off_t>(offset));
            if (read >= 0) {
                got = static_cast<std::size_t>(read);
                return 0;
            }
            if (errno != EINTR) {
                return errno;
            }
        }
    }

    int Write(Handle handle, std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = ::write(Fd(handle), bytes.data(), bytes.size());
            if (written < 0 && errno != EINTR) {
                return errno;
            }
            bytes.remove_prefix(written < 0 ? 0 : static_cast<std::size_t>(written));
        }
        return 0;
    }

    // Never on a file opened to Append: Linux would append the bytes anyway.
    int WriteAt(Handle handle, std::string_view bytes, std::uint64_t offset) override {
        while (!bytes.empty()) {
            const ssize_t written =
                ::pwrite(Fd(handle), bytes.data(), bytes.size(), static_cast<off_t>(offset));
            if (written < 0 && errno != EINTR) {
                return errno;
            }
            const std::size_t done = written < 0 ? 0 : static_cast<std::size_t>(written);
            bytes.remove_prefix(done);
            offset += done;
        }
        return 0;
    }

    int Flush(Handle handle) override { return Result(::fsync(Fd(handle))); }

#ifdef __linux__
    int StartFlush(Handle handle) override {
        const int error = Result(::sync_file_range(Fd(handle), 0, 0, SYNC_FILE_RANGE_WRITE));
        // A file system without it writes its pages back in its own time.
        return error == EINVAL || error == ENOSYS || error == ESPIPE ? 0 : error;
    }
#endif

    int Truncate(Handle handle, std::uint64_t size) override {
        return Result(::ftruncate(Fd(handle), static_cast<off_t>(size)));
    }

    int Close(Handle handle) override {
        return Result(::close(Fd(handle)));
    }

    int Rename(const std::string& from, const std::string& to) override {
        return Result(::rename(from.c_str(), to.c_str()));
    }

    int Remove(const std::string& path) override {
        return Result(::unlink(path.c_str()));
    }

    int CreateFolder(const std::string& path, Access access) override {
        return Result(
            ::mkdir(path.c_str(), access == Access::Owner ? kOwnerFolderMode : kSharedFolderMode));
    }

    int FlushFolder(const std::string& folder) override {
        const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) {
            return errno;
        }
        const int error = Result(::fsync(fd));
        ::close(fd);
        // A file system that cannot flush a folder keeps its renames as it can.
        return error == EINVAL || error == ENOTSUP ? 0 : error;
    }
};

}  // namespace

FileSystem& SystemFiles() {
    static PosixFileSystem files;
    return files;
}

}  // namespace vantor
