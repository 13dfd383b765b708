// The data files on Windows: the system's wide calls, on handles that let
// other programs read, write, rename and delete the file meanwhile (a
// spreadsheet showing Articles.csv must not stop the till from saving it).
// Always binary: the bytes written are the bytes on disk.
#include <windows.h>

#include <atomic>
#include <cerrno>

#include "platform/FileSystem.h"
#include "platform/win32/Utf16.h"

namespace vantor {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Another program may hold the target for a moment (an antivirus scan, an
// indexer); a replace waits for it this long before giving up.
constexpr int kReplaceTries = 40;
constexpr DWORD kReplacePause = 50;  // milliseconds

HANDLE Native(FileSystem::Handle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

int LastError() {
    return win32::ErrnoOf(::GetLastError());
}

int Result(BOOL done) {
    return done ? 0 : LastError();
}

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
}

// Six characters of the name that no other call of this process has used.
std::string UniqueLetters() {
    static std::atomic<std::uint64_t> calls{0};
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    std::uint64_t mixed = static_cast<std::uint64_t>(now.QuadPart) * 0x9E3779B97F4A7C15ULL ^
                          ::GetCurrentProcessId() * 0xC2B2AE3D27D4EB4FULL ^ ++calls;
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string letters;
    for (int i = 0; i < 6; ++i, mixed /= 36) {
        letters += kLetters[mixed % 36];
    }
    return letters;
}

class Win32FileSystem : public FileSystem {
public:
    int Open(const std::string& path, Mode mode, Handle& handle) override {
        const bool read = mode == Mode::Read;
        const bool createNew = mode == Mode::CreateNew;
        handle = kNoHandle;
        if ((mode == Mode::Update || mode == Mode::Append) && IsFolder(win32::Utf16(path))) {
            return EISDIR;  // the system would only say access denied
        }
        // A new file never opens what a link points to: the link itself has the name.
        const DWORD flags =
            FILE_ATTRIBUTE_NORMAL | (createNew ? FILE_FLAG_OPEN_REPARSE_POINT : DWORD{0});
        const HANDLE file =
            ::CreateFileW(win32::Utf16(path).c_str(),
                          read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                          read || mode == Mode::Update ? OPEN_EXISTING
                          : createNew                  ? CREATE_NEW
                                                       : OPEN_ALWAYS,
                          flags, nullptr);
        handle = reinterpret_cast<Handle>(file);
        return file == INVALID_HANDLE_VALUE ? LastError() : 0;
    }

    // The file takes the rights of its folder (in the user's profile, the
    // user's alone); the access asked for changes nothing here.
    int CreateTemporary(std::string& path, Access, Handle& handle) override {
        const std::size_t letters = path.size() - 6;
        for (int tries = 0; tries < 100; ++tries) {
            path.replace(letters, 6, UniqueLetters());
            const HANDLE file =
                ::CreateFileW(win32::Utf16(path).c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll,
                              nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            handle = reinterpret_cast<Handle>(file);
            if (file != INVALID_HANDLE_VALUE) {
                return 0;
            }
            if (::GetLastError() != ERROR_FILE_EXISTS) {
                return LastError();
            }
        }
        return EEXIST;
    }

    int Size(Handle handle, std::uint64_t& size) override {
        LARGE_INTEGER bytes{};
        if (!::GetFileSizeEx(Native(handle), &bytes)) {
            return LastError();
        }
        size = static_cast<std::uint64_t>(bytes.QuadPart);
        return 0;
    }

    int ReadAt(Handle handle, char* buffer, std::size_t size, std::uint64_t offset,
               std::size_t& got) override {
        OVERLAPPED at = At(offset);
        DWORD read = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        got = 0;
        if (!::ReadFile(Native(handle), buffer, wanted, &read, &at)) {
            return ::GetLastError() == ERROR_HANDLE_EOF ? 0 : LastError();
        }
        got = read;
        return 0;
    }

    // At the end of the file, whatever the file pointer: appends stay
    // appends, and a new temporary file is written from its start.
    int Write(Handle handle, std::string_view bytes) override {
        while (!bytes.empty()) {
            OVERLAPPED atEnd = At(~std::uint64_t{0});
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            if (!::WriteFile(Native(handle), bytes.data(), chunk, &written, &atEnd)) {
                return LastError();
            }
            bytes.remove_prefix(written);
        }
        return 0;
    }

    int WriteAt(Handle handle, std::string_view bytes, std::uint64_t offset) override {
        while (!bytes.empty()) {
            OVERLAPPED at = At(offset);
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            if (!::WriteFile(Native(handle), bytes.data(), chunk, &written, &at)) {
                return LastError();
            }
            bytes.remove_prefix(written);
            offset += written;
        }
        return 0;
    }

    int Flush(Handle handle) override { return Result(::FlushFileBuffers(Native(handle))); }

    int Truncate(Handle handle, std::uint64_t size) override {
        LARGE_INTEGER end{};
        end.QuadPart = static_cast<LONGLONG>(size);
        if (!::SetFilePointerEx(Native(handle), end, nullptr, FILE_BEGIN)) {
            return LastError();
        }
        return Result(::SetEndOfFile(Native(handle)));
    }

    int Close(Handle handle) override { return Result(::CloseHandle(Native(handle))); }

    static bool IsFolder(const std::wstring& path) {
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    // Replaces an existing target too (a C runtime rename refuses to).
    int Rename(const std::string& from, const std::string& to) override {
        const std::wstring source = win32::Utf16(from);
        const std::wstring target = win32::Utf16(to);
        if (IsFolder(target)) {
            return EISDIR;  // never replaced, nor set aside
        }
        for (int tries = 1;; ++tries) {
            if (::MoveFileExW(source.c_str(), target.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
                return 0;
            }
            const DWORD error = ::GetLastError();
            if (error == ERROR_ACCESS_DENIED && ReplaceAside(source, target)) {
                return 0;
            }
            if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) ||
                tries == kReplaceTries) {
                return win32::ErrnoOf(error);
            }
            ::Sleep(kReplacePause);
        }
    }

    // A target that a reader holds open (with delete sharing) cannot be
    // replaced, but it can be renamed: it goes aside, the new file takes its
    // name, and the old one is deleted, for good once its last reader closes
    // it. A crash in between leaves "<name>.old??????" without "<name>",
    // which the next start puts back (RemoveLeftoverTemporaries).
    static bool ReplaceAside(const std::wstring& source, const std::wstring& target) {
        const std::wstring aside = target + win32::Utf16(".old" + UniqueLetters());
        if (!::MoveFileExW(target.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)) {
            return false;
        }
        if (!::MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
            ::MoveFileExW(aside.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
            return false;
        }
        ::DeleteFileW(aside.c_str());
        return true;
    }

    int Remove(const std::string& path) override {
        return Result(::DeleteFileW(win32::Utf16(path).c_str()));
    }

    // MOVEFILE_WRITE_THROUGH already waits for the rename to reach the disk.
    int FlushFolder(const std::string&) override { return 0; }

    int CreateFolder(const std::string& path, Access) override {
        return Result(::CreateDirectoryW(win32::Utf16(path).c_str(), nullptr));
    }
};

}  // namespace

FileSystem& SystemFiles() {
    static Win32FileSystem files;
    return files;
}

}  // namespace vantor
