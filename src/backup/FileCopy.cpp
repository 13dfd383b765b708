#include "backup/FileCopy.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

#include "ledger/Sha256.h"
#include "platform/FileSystem.h"

namespace vantor {

namespace {

constexpr std::size_t kCopyBlock = 1u << 20;

int Fail(CopyFailure& failure, int error, bool atDestination, const std::string& path) {
    failure = {error, atDestination, path};
    return error;
}

}  // namespace

int CopyFileUnflushed(const std::string& from, std::uint64_t length, const std::string& to,
                      File& target, std::string& sha256, CopyFailure& failure) {
    File source;
    if (const int error = source.Open(from, FileSystem::Mode::Read); error != 0) {
        return Fail(failure, error, false, from);
    }
    if (const int error = target.Open(to, FileSystem::Mode::CreateNew); error != 0) {
        return Fail(failure, error, true, to);
    }
    Sha256 hash;
    std::vector<char> buffer(kCopyBlock);
    for (std::uint64_t at = 0; at < length;) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), length - at));
        std::size_t got = 0;
        if (const int error = source.ReadAt(buffer.data(), want, at, got); error != 0) {
            return Fail(failure, error, false, from);
        }
        if (got == 0) {
            return Fail(failure, EIO, false, from);  // shorter than it was a moment ago
        }
        const std::string_view bytes(buffer.data(), got);
        hash.Update(bytes);
        if (const int error = target.Write(bytes); error != 0) {
            return Fail(failure, error, true, to);
        }
        at += got;
    }
    if (const int error = target.StartFlush(); error != 0) {
        return Fail(failure, error, true, to);
    }
    sha256 = hash.Hex();
    return 0;
}

int CopyFilePrefix(const std::string& from, std::uint64_t length, const std::string& to,
                   std::string& sha256, CopyFailure& failure) {
    File target;
    if (const int error = CopyFileUnflushed(from, length, to, target, sha256, failure);
        error != 0) {
        return error;
    }
    const int flushed = target.Flush();
    const int closed = target.Close();  // closed even when the flush failed
    const int error = flushed != 0 ? flushed : closed;
    return error == 0 ? 0 : Fail(failure, error, true, to);
}

namespace {

int FlushAndClose(std::vector<File>& files) {
    int error = 0;
    for (File& file : files) {
        const int flushed = file.Flush();
        const int closed = file.Close();
        error = error != 0 ? error : (flushed != 0 ? flushed : closed);
    }
    return error;
}

}  // namespace

BackgroundFlush::BackgroundFlush(std::vector<File>& files) : files_(files) {
    try {
        thread_ = std::thread([this] { error_ = FlushAndClose(files_); });
    } catch (const std::system_error&) {
        error_ = FlushAndClose(files_);
    }
}

BackgroundFlush::~BackgroundFlush() {
    Wait();
}

int BackgroundFlush::Wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return error_;
}

int HashFile(const std::string& path, std::uint64_t& size, std::string& sha256) {
    File file;
    if (const int error = file.Open(path, FileSystem::Mode::Read); error != 0) {
        return error;
    }
    Sha256 hash;
    std::vector<char> buffer(kCopyBlock);
    size = 0;
    for (std::size_t got = 1; got != 0;) {
        if (const int error = file.ReadAt(buffer.data(), buffer.size(), size, got); error != 0) {
            return error;
        }
        hash.Update(std::string_view(buffer.data(), got));
        size += got;
    }
    sha256 = hash.Hex();
    return 0;
}

}  // namespace vantor
