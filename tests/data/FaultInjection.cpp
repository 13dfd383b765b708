// Preloaded (LD_PRELOAD) into a child process by the crash-safety tests, so
// that failures can be caused from outside without any hook in the product:
//   VANTOR_ABORT_ON_RENAME=1  rename aborts the process, like a power cut just
//                             before the file is swapped;
//   VANTOR_WRITE_LIMIT=n      writes to regular files fail with ENOSPC once n
//                             bytes went through, like a disk filling up;
//   VANTOR_WRITE_LIMIT_FILE=f with the limit, only writes to files whose path
//                             ends with f count and fail;
//   VANTOR_FSYNC_LOG=path     each fsync appends the path of what it flushes
//                             (a file or a folder) to that file, a line each,
//                             and each rename over an existing file
//                             "rename PATH": on ext4 it waits for the new
//                             file's bytes to reach the disk, as a flush does.
// Without these variables every call goes straight to the C library.

#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

template <typename Function>
Function* Next(const char* name) {
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

// Bytes still allowed to reach regular files; negative means no limit.
long long WriteLimitFromEnvironment() {
    const char* limit = getenv("VANTOR_WRITE_LIMIT");
    return limit == nullptr ? -1 : atoll(limit);
}

// The path of what fd is open on, or false.
bool PathOf(int fd, char* path, size_t size) {
    char link[64];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, size - 1);
    if (length < 0) {
        return false;
    }
    path[length] = '\0';
    return true;
}

bool IsRegularFile(int fd) {
    struct stat status;
    return fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// Whether the file behind fd is the one the limit applies to.
bool IsLimitedFile(int fd) {
    if (!IsRegularFile(fd)) {
        return false;
    }
    const char* only = getenv("VANTOR_WRITE_LIMIT_FILE");
    if (only == nullptr) {
        return true;
    }
    char path[4096];
    if (!PathOf(fd, path, sizeof path)) {
        return false;
    }
    const size_t length = strlen(path);
    const size_t suffix = strlen(only);
    return length >= suffix && strcmp(path + length - suffix, only) == 0;
}

}  // namespace

extern "C" {

int rename(const char* from, const char* to) noexcept {
    const char* asked = getenv("VANTOR_ABORT_ON_RENAME");
    if (asked != nullptr && asked[0] == '1') {
        abort();
    }
    const char* log = getenv("VANTOR_FSYNC_LOG");
    struct stat target;
    if (log != nullptr && stat(to, &target) == 0) {
        if (FILE* out = fopen(log, "a")) {
            fprintf(out, "rename %s\n", to);
            fclose(out);
        }
    }
    static auto* real = Next<int(const char*, const char*)>("rename");
    return real(from, to);
}

ssize_t write(int fd, const void* buffer, size_t count) {
    static auto* real = Next<ssize_t(int, const void*, size_t)>("write");
    static long long left = WriteLimitFromEnvironment();
    if (left < 0 || !IsLimitedFile(fd)) {
        return real(fd, buffer, count);
    }
    if (left == 0) {
        errno = ENOSPC;
        return -1;
    }
    const size_t allowed = count < static_cast<size_t>(left) ? count : static_cast<size_t>(left);
    const ssize_t written = real(fd, buffer, allowed);
    if (written > 0) {
        left -= written;
    }
    return written;
}

int fsync(int fd) {
    static auto* real = Next<int(int)>("fsync");
    const char* log = getenv("VANTOR_FSYNC_LOG");
    char path[4096];
    if (log != nullptr && PathOf(fd, path, sizeof path)) {
        if (FILE* out = fopen(log, "a")) {
            fprintf(out, "%s\n", path);
            fclose(out);
        }
    }
    return real(fd);
}

}  // extern "C"
