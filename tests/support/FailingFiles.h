#pragma once

#include <atomic>
#include <cerrno>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace vantor::test {

// The system's file system, except that its N-th call fails (a write after
// writing half of its bytes, a close after closing). Stopped there, as the
// till killed at that call: every call from the N-th on fails, doing nothing
// (but closing).
class FailingFiles : public FileSystem {
public:
    enum class After { GoesOn, Stopped };
    explicit FailingFiles(int failing, After after = After::GoesOn)
        : failing_(failing), stopped_(after == After::Stopped) {}
    bool Failed() const { return calls_ >= failing_; }
    // The calls made so far: with a failing call never reached, all an operation needs.
    int Calls() const { return calls_; }

    int Open(const std::string& path, Mode mode, Handle& handle) override {
        handle = kNoHandle;
        return Fails() ? EACCES : system_.Open(path, mode, handle);
    }
    int CreateTemporary(std::string& path, Access access, Handle& handle) override {
        handle = kNoHandle;
        return Fails() ? ENOSPC : system_.CreateTemporary(path, access, handle);
    }
    int Size(Handle handle, std::uint64_t& size) override {
        return Fails() ? EIO : system_.Size(handle, size);
    }
    int ReadAt(Handle handle, char* buffer, std::size_t size, std::uint64_t offset,
               std::size_t& got) override {
        return Fails() ? EIO : system_.ReadAt(handle, buffer, size, offset, got);
    }
    int Write(Handle handle, std::string_view bytes) override {
        if (Fails()) {
            system_.Write(handle, Half(bytes));
            return ENOSPC;
        }
        return system_.Write(handle, bytes);
    }
    int WriteAt(Handle handle, std::string_view bytes, std::uint64_t offset) override {
        if (Fails()) {
            system_.WriteAt(handle, Half(bytes), offset);
            return ENOSPC;
        }
        return system_.WriteAt(handle, bytes, offset);
    }
    int Flush(Handle handle) override { return Fails() ? EIO : system_.Flush(handle); }
    int StartFlush(Handle handle) override { return Fails() ? EIO : system_.StartFlush(handle); }
    int Truncate(Handle handle, std::uint64_t size) override {
        return Fails() ? EIO : system_.Truncate(handle, size);
    }
    int Close(Handle handle) override {
        const int closed = system_.Close(handle);
        return Fails() ? EIO : closed;
    }
    int Rename(const std::string& from, const std::string& to) override {
        return Fails() ? EXDEV : system_.Rename(from, to);
    }
    int Remove(const std::string& path) override { return Fails() ? EACCES : system_.Remove(path); }
    int FlushFolder(const std::string& folder) override {
        folderFlushFailed_ = Fails();
        return folderFlushFailed_ ? EIO : system_.FlushFolder(folder);
    }
    int CreateFolder(const std::string& path, Access access) override {
        return Fails() ? EACCES : system_.CreateFolder(path, access);
    }
    bool FolderFlushFailed() const { return folderFlushFailed_; }

private:
    bool Fails() { return ++calls_ == failing_ || (stopped_ && calls_ > failing_); }
    // What a failing write still writes: nothing once stopped.
    std::string_view Half(std::string_view bytes) const {
        return stopped_ ? std::string_view() : bytes.substr(0, bytes.size() / 2);
    }

    FileSystem& system_ = SystemFiles();
    int failing_;
    bool stopped_;
    std::atomic<int> calls_ = 0;  // a backup flushes on a thread of its own
    bool folderFlushFailed_ = false;
};

}  // namespace vantor::test
