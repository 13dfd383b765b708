// The folder lock on Windows: LockFileEx on the lock file, which the system
// releases with the handle when the process ends.
#include "platform/FolderLock.h"

#include <windows.h>

#include <utility>

#include "platform/win32/Utf16.h"

namespace vantor {

FolderLock::~FolderLock() {
    if (handle_ != -1) {
        ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

FolderLock::Result FolderLock::TryLock(const std::string& folder,
                                       std::unique_ptr<FolderLock>& lock) {
    // OPEN_ALWAYS creates the file only when missing; an existing one is
    // opened without a byte written.
    const HANDLE file = ::CreateFileW(win32::Utf16(folder + "\\" + kLockFile).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Result::Unavailable;
    }
    OVERLAPPED first{};
    if (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &first)) {
        const DWORD error = ::GetLastError();
        ::CloseHandle(file);
        return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING ? Result::Busy
                                                                          : Result::Unavailable;
    }
    lock.reset(new FolderLock(reinterpret_cast<std::intptr_t>(file)));
    return Result::Held;
}

}  // namespace vantor
