#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// A file operation that failed; what() is the system's reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The reason a file operation failed with this errno value, in French for
// the common ones (no space, permission, read-only disk, folder, input/output).
std::string SystemErrorText(int error);
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
void WriteFileAtomic(const std::string& path, std::string_view bytes);
// Removes the temporary files of WriteFileAtomic that a crash left in the
// folder ("Id.txt.tmpA1b2C3"); other files are left alone. Failures are ignored.
void RemoveLeftoverTemporaries(const std::string& folder);
void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines);

}  // namespace vantor
