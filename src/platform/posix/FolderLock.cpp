// The folder lock on POSIX systems: flock() on the lock file.
#include "platform/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace vantor {

namespace {

// Opening an existing file to lock it writes nothing; only a missing file is
// created, and then nobody can be holding the folder.
int OpenLockFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0 || errno != ENOENT) {
        return fd;
    }
    return ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
}

int LockNow(int fd) {
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return 0;
        }
        if (errno != EINTR) {
            return errno;
        }
    }
}

}  // namespace

FolderLock::~FolderLock() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));
    }
}

FolderLock::Result FolderLock::TryLock(const std::string& folder,
                                       std::unique_ptr<FolderLock>& lock) {
    const int fd = OpenLockFile(folder + "/" + kLockFile);
    if (fd < 0) {
        return Result::Unavailable;
    }
    const int error = LockNow(fd);
    if (error != 0) {
        ::close(fd);
        return error == EWOULDBLOCK ? Result::Busy : Result::Unavailable;
    }
    lock.reset(new FolderLock(fd));
    return Result::Held;
}

}  // namespace vantor
