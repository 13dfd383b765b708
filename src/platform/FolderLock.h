#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace vantor {

// A lock on a data folder held for the life of this object: an advisory lock
// on a file inside the folder, which the system releases when the process
// ends however it ends, so neither a dead process nor a leftover file can
// keep the folder locked.
class FolderLock {
public:
    enum class Result { Held, Busy, Unavailable };

    FolderLock(FolderLock&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}
    FolderLock& operator=(FolderLock&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~FolderLock();

    // Busy when another process holds the folder. The lock file is created
    // only when missing (a folder nobody holds); a refused attempt writes
    // nothing. Unavailable when the folder cannot carry a lock (missing,
    // read-only, a file system without locks).
    static Result TryLock(const std::string& folder, std::unique_ptr<FolderLock>& lock);

private:
    explicit FolderLock(std::intptr_t handle) : handle_(handle) {}
    std::intptr_t handle_;
};

// The name of the lock file inside the data folder.
inline constexpr const char* kLockFile = "Vantor.lock";

}  // namespace vantor
