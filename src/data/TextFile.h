#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "data/SystemErrors.h"

namespace vantor {

class File;

// A file operation that failed; what() is the system's reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "what 'path' : reason", the form of every file failure shown to the user.
FileError SystemError(const std::string& what, const std::string& path, int error);

// folder + the platform's separator + name.
std::string JoinPath(const std::string& folder, const std::string& name);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// The lines of a Windows-1252 text file, as UTF-8. Lines end with CR LF; a
// lone LF and a missing final line end are accepted too.
std::vector<std::string> ReadLines(const std::string& path);
std::string ReadBytes(const std::string& path);

// Every line followed by CR LF, in Windows-1252.
std::string EncodeLines(const std::vector<std::string>& lines);

// Replaces the file as a whole: the bytes go to a temporary file beside it,
// which is flushed to disk and renamed over the old file, then the folder is
// flushed. A crash at any moment leaves the old file or the new one, never a
// missing, empty or half-written file.
// A path that is a symbolic link has its target rewritten; the link stays.
// A new file's rights are what the user's umask gives; the replaced file's go.
void WriteFileAtomic(const std::string& path, std::string_view bytes);
// The same for a file that only its owner may read (a key), from its first
// byte on, whatever the umask.
void WritePrivateFileAtomic(const std::string& path, std::string_view bytes);
// Writes the bytes into a new file of its own at the path, for a scratch file
// that nothing keeps: whatever had the name, a file or a symbolic link, is
// removed first (a link, never what it points to), and the file is created
// only where the name is then free, so the bytes never go through a link.
// Not flushed. On failure nothing of it is left and FileError is thrown.
void WriteScratchFile(const std::string& path, std::string_view bytes);
// The end of a temporary's name: ".tmp" and six characters that make it unique.
inline constexpr std::string_view kTemporarySuffix = ".tmpXXXXXX";
// Removes what a crash left in the data folder: the temporary files of
// WriteFileAtomic ("Id.txt.tmpA1b2C3", "archive.key.tmpA1b2C3",
// "2026.tar.tmpA1b2C3"), those a replace set aside, and the file of a folder
// probe (".vantor-probe-A1b2C3"); other files, links and folders are left
// alone. Only while the folder is the till's alone. Failures are ignored.
void RemoveLeftoverTemporaries(const std::string& folder);
// Removes the temporary files that an earlier WriteFileAtomic of this very
// path left beside it ("<path>.tmpA1b2C3"), before writing it anew.
void RemoveLeftoverTemporariesOf(const std::string& path);
void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines);
// Writes the bytes over the file in place, from its first byte, and cuts off
// what the old content had beyond them. Nothing is flushed. A file missing,
// or that cannot be opened to be written (read-only), is replaced by
// WriteFileAtomic instead. For a small file whose reader takes
// its first line and whose content is also known from elsewhere (Id.txt,
// whose number the chain keeps): on most file systems a rename over the old
// file waits for the new file's bytes to reach the disk, nearly as a flush.
// A kill leaves the old bytes or the new ones (followed by the rest of a
// longer old content when it came before the cut: the first line is new); a
// power cut may leave anything. When a step fails the old bytes are put
// back and FileError is thrown.
void OverwriteInPlace(const std::string& path, std::string_view bytes);

// Durable appends: data/DurableAppend.h.

// At most count bytes of the file from offset on ("" past its end).
std::string ReadRange(const std::string& path, std::uint64_t offset, std::size_t count);
// The same through a file already open, named path when it fails.
std::string ReadRange(const File& file, const std::string& path, std::uint64_t offset,
                      std::size_t count);
// Calls visit on each line of the file that lies before offset `before`,
// from the last back, with where it starts and whether it has its line end,
// until visit returns true. A line is given as bytes, without CR LF. Reads a
// block at a time: the end of a long file costs what it holds.
void ForEachLineBackward(
    const std::string& path, std::uint64_t before,
    const std::function<bool(std::string_view line, std::uint64_t start, bool ended)>& visit);
// Size of a regular file, 0 when it is missing.
std::uint64_t FileSize(const std::string& path);

}  // namespace vantor
