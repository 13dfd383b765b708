#include "data/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "data/Cp1252.h"

namespace vantor {

namespace {

FileError SystemError(const std::string& what, const std::string& path, int error) {
    return FileError(what + " '" + path + "' : " + std::strerror(error));
}

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw SystemError("Écriture impossible", path, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

FileError BareError(int error) {
    return FileError(std::strerror(error));
}

// Closes the file and, unless the append was completed, cuts it back.
class DurableAppend {
public:
    explicit DurableAppend(const std::string& path)
        : fd_(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644)) {
        if (fd_ < 0) {
            throw BareError(errno);
        }
        struct stat status {};
        if (::fstat(fd_, &status) != 0) {
            const int error = errno;
            ::close(fd_);
            throw BareError(error);
        }
        size_ = status.st_size;
    }
    ~DurableAppend() {
        if (!done_) {
            if (::ftruncate(fd_, size_) == 0) {
                ::fsync(fd_);
            }
        }
        ::close(fd_);
    }
    DurableAppend(const DurableAppend&) = delete;
    DurableAppend& operator=(const DurableAppend&) = delete;

    void Write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0) {
                if (errno == EINTR) {
                    continue;
                }
                throw BareError(errno);
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        if (::fsync(fd_) != 0) {
            throw BareError(errno);
        }
        done_ = true;
    }

private:
    int fd_;
    off_t size_ = 0;
    bool done_ = false;
};

void SyncFolder(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    FileDescriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (fd.get() >= 0) {
        ::fsync(fd.get());
    }
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool DirectoryExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw SystemError("Lecture impossible", path, errno);
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        throw SystemError("Lecture impossible", path, errno);
    }
    return std::move(content).str();
}

std::vector<std::string> ReadLines(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
        std::size_t stop = end == std::string::npos ? bytes.size() : end;
        if (stop > start && bytes[stop - 1] == '\r') {
            --stop;
        }
        lines.push_back(Cp1252ToUtf8(std::string_view(bytes).substr(start, stop - start)));
        start = next;
    }
    return lines;
}

std::string EncodeLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += Utf8ToCp1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
    std::string temporary = path + ".tmpXXXXXX";
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) {
        throw SystemError("Écriture impossible", path, errno);
    }
    try {
        ::fchmod(fd.get(), 0644);
        WriteAll(fd.get(), bytes, path);
        if (::fsync(fd.get()) != 0) {
            throw SystemError("Écriture impossible", path, errno);
        }
        if (::close(fd.release()) != 0) {
            throw SystemError("Écriture impossible", path, errno);
        }
        if (::rename(temporary.c_str(), path.c_str()) != 0) {
            throw SystemError("Écriture impossible", path, errno);
        }
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    SyncFolder(path);
}

void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines) {
    WriteFileAtomic(path, EncodeLines(lines));
}

void AppendFileDurable(const std::string& path, std::string_view bytes) {
    DurableAppend append(path);
    append.Write(bytes);
}

bool EndsInsideALine(const std::string& path) {
    const std::uint64_t size = FileSize(path);
    return size > 0 && ReadRange(path, size - 1, 1) != "\n";
}

void CutFileDurable(const std::string& path, std::uint64_t size) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.get() < 0 || ::ftruncate(fd.get(), static_cast<off_t>(size)) != 0 ||
        ::fsync(fd.get()) != 0) {
        throw SystemError("Écriture impossible", path, errno);
    }
}

std::string ReadRange(const std::string& path, std::uint64_t offset, std::size_t count) {
    if (count == 0) {
        return "";
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw SystemError("Lecture impossible", path, errno);
    }
    std::string bytes(count, '\0');
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(in ? count : static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

std::uint64_t FileSize(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

}  // namespace vantor
