#include "data/TextFile.h"

#include <filesystem>

#include "data/Cp1252.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace vantor {

namespace {

// The file a chain of symbolic links ends at (the path itself when it is none).
std::string FinalTarget(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(ToPath(path), error)) {
        return path;
    }
    const std::filesystem::path target = std::filesystem::weakly_canonical(ToPath(path), error);
    return error ? path : FromPath(target);
}

}  // namespace

FileError SystemError(const std::string& what, const std::string& path, int error) {
    return FileError(what + " '" + path + "' : " + SystemErrorText(error));
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return FromPath(ToPath(folder) / ToPath(name));
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(ToPath(path), error);
}

bool DirectoryExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(ToPath(path), error);
}

namespace {

// Every byte of the open file, from its start to its end.
int ReadWhole(const File& file, std::string& bytes) {
    std::uint64_t size = 0;
    int error = file.Size(size);
    bytes.assign(static_cast<std::size_t>(size), '\0');
    for (std::size_t got = 1, at = 0; error == 0 && got != 0; at += got) {
        if (at == bytes.size()) {
            bytes.resize(bytes.size() + 4096);  // the file grew since its size was read
        }
        error = file.ReadAt(bytes.data() + at, bytes.size() - at, at, got);
        if (got == 0) {
            bytes.resize(at);
        }
    }
    return error;
}

}  // namespace

std::string ReadBytes(const std::string& path) {
    File file;
    std::string bytes;
    int error = file.Open(path, FileSystem::Mode::Read);
    error = error != 0 ? error : ReadWhole(file, bytes);
    if (error != 0) {
        throw SystemError("Lecture impossible", path, error);
    }
    return bytes;
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

namespace {

void ReplaceFile(const std::string& linkOrPath, std::string_view bytes, FileSystem::Access access) {
    const std::string path = FinalTarget(linkOrPath);
    std::string temporary = path + std::string(kTemporarySuffix);
    File file;
    if (const int error = file.CreateTemporary(temporary, access)) {
        throw SystemError("Écriture impossible", path, error);
    }
    int error = file.Write(bytes);
    error = error != 0 ? error : file.Flush();
    const int closed = file.Close();
    error = error != 0 ? error : closed;
    error = error != 0 ? error : Files().Rename(temporary, path);
    if (error != 0) {
        Files().Remove(temporary);
        throw SystemError("Écriture impossible", path, error);
    }
    const std::string folder = FromPath(ToPath(path).parent_path());
    if (const int flushed = Files().FlushFolder(folder)) {
        throw FileError("Écriture incertaine '" + path + "' : " + SystemErrorText(flushed) +
                        " ; le nouveau contenu est en place mais une coupure de courant "
                        "pourrait le perdre");
    }
}

}  // namespace

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
    ReplaceFile(path, bytes, FileSystem::Access::Shared);
}

void WritePrivateFileAtomic(const std::string& path, std::string_view bytes) {
    ReplaceFile(path, bytes, FileSystem::Access::Owner);
}

void WriteScratchFile(const std::string& path, std::string_view bytes) {
    Files().Remove(path);  // a leftover, or a link put there: failures show at the creation
    File file;
    if (const int error = file.Open(path, FileSystem::Mode::CreateNew)) {
        throw SystemError("Écriture impossible", path, error);
    }
    int error = file.Write(bytes);
    const int closed = file.Close();
    error = error != 0 ? error : closed;
    if (error != 0) {
        Files().Remove(path);
        throw SystemError("Écriture impossible", path, error);
    }
}

void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines) {
    WriteFileAtomic(path, EncodeLines(lines));
}

namespace {

// The bytes over the start of the file, and the file cut after them.
int WriteFromStart(const File& file, std::string_view bytes, std::uint64_t size) {
    const int error = file.WriteAt(bytes, 0);
    return error != 0 || bytes.size() >= size ? error : file.Truncate(bytes.size());
}

}  // namespace

void OverwriteInPlace(const std::string& path, std::string_view bytes) {
    File file;
    if (file.Open(path, FileSystem::Mode::Update) != 0) {
        WriteFileAtomic(path, bytes);  // missing, or not to be written (read-only)
        return;
    }
    std::string old;
    int error = ReadWhole(file, old);
    if (error != 0) {
        throw SystemError("Écriture impossible", path, error);
    }
    error = WriteFromStart(file, bytes, old.size());
    if (error != 0) {
        // Should this fail too, the content is still known from elsewhere.
        WriteFromStart(file, old, bytes.size());
    }
    const int closed = file.Close();
    error = error != 0 ? error : closed;
    if (error != 0) {
        throw SystemError("Écriture impossible", path, error);
    }
}

void ForEachLineBackward(
    const std::string& path, std::uint64_t before,
    const std::function<bool(std::string_view line, std::uint64_t start, bool ended)>& visit) {
    constexpr std::uint64_t kBlock = 16384;
    std::string carry;  // lines whose start lies in the block before, not visited yet
    for (std::uint64_t end = before;;) {
        const std::uint64_t from = end > kBlock ? end - kBlock : 0;
        const std::string text = ReadRange(path, from, end - from) + carry;
        std::size_t next = text.size();  // the bytes from next on are visited
        while (next > 0) {
            const bool ended = text[next - 1] == '\n';
            const std::size_t lineEnd = ended ? next - 1 : next;
            const std::size_t lineFeed =
                lineEnd == 0 ? std::string::npos : text.rfind('\n', lineEnd - 1);
            if (lineFeed == std::string::npos && from > 0) {
                break;
            }
            const std::size_t start = lineFeed == std::string::npos ? 0 : lineFeed + 1;
            std::string_view line(text.data() + start, lineEnd - start);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            if (visit(line, from + start, ended)) {
                return;
            }
            next = start;
        }
        if (from == 0) {
            return;
        }
        carry = text.substr(0, next);
        end = from;
    }
}

std::string ReadRange(const std::string& path, std::uint64_t offset, std::size_t count) {
    File file;
    if (const int error = count == 0 ? 0 : file.Open(path, FileSystem::Mode::Read)) {
        throw SystemError("Lecture impossible", path, error);
    }
    return ReadRange(file, path, offset, count);
}

std::string ReadRange(const File& file, const std::string& path, std::uint64_t offset,
                      std::size_t count) {
    std::string bytes(count, '\0');
    std::size_t at = 0;
    int error = 0;
    for (std::size_t got = 1; error == 0 && at < count && got != 0; at += got) {
        error = file.ReadAt(bytes.data() + at, count - at, offset + at, got);
    }
    if (error != 0) {
        throw SystemError("Lecture impossible", path, error);
    }
    bytes.resize(at);
    return bytes;
}

std::uint64_t FileSize(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(ToPath(path), error);
    return error ? 0 : size;
}

}  // namespace vantor
