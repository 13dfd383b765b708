#pragma once

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "platform/FileSystem.h"

namespace vantor {

// Where a copy failed: the error number and which side.
struct CopyFailure {
    int error = 0;
    bool atDestination = false;
    std::string path;
};

// Copies the first length bytes of from into a new file to (never over an
// existing one), flushed to disk; sha256 gets their hash. An error number
// and its side in failure, 0 on success. A source shorter than length is an
// error (EIO at the source).
int CopyFilePrefix(const std::string& from, std::uint64_t length, const std::string& to,
                   std::string& sha256, CopyFailure& failure);

// The same, the writing to disk started but not waited for: target is left
// open for the caller to Flush and Close, so that the disk writes while the
// copy is checked.
int CopyFileUnflushed(const std::string& from, std::uint64_t length, const std::string& to,
                      File& target, std::string& sha256, CopyFailure& failure);

// Flushes and closes files on a thread of its own, so that the caller goes
// on meanwhile: the disk takes a copy down while the copy is checked. Where
// no thread can be started, the files are flushed at once.
class BackgroundFlush {
public:
    explicit BackgroundFlush(std::vector<File>& files);
    ~BackgroundFlush();
    BackgroundFlush(const BackgroundFlush&) = delete;
    BackgroundFlush& operator=(const BackgroundFlush&) = delete;
    // Waits for it: the first error, 0 when every file is down on disk and
    // closed. The files are closed either way.
    int Wait();

private:
    std::vector<File>& files_;
    int error_ = 0;
    std::thread thread_;
};

// The SHA-256 of the file's bytes and its size; an error number or 0.
int HashFile(const std::string& path, std::uint64_t& size, std::string& sha256);

}  // namespace vantor
