#pragma once

#include <string>

namespace vantor::test {

// A fresh folder for one test, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    // The same under another folder (a RAM disk for a test that writes a lot).
    explicit TempDir(const std::string& base);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path of a file in the folder.
    std::string operator/(const std::string& name) const;

private:
    std::string path_;
};

// A RAM disk where the system has one (/dev/shm), else the temporary folder:
// for the loops that write and flush a lot, whose states a kill or a failing
// call leaves the same on either.
std::string RamDiskOrTemporary();

// Whole content of a file as bytes ("" when missing), and writing raw bytes.
std::string Slurp(const std::string& path);
void WriteRaw(const std::string& path, const std::string& bytes);
// Every entry under a folder in order, one a line with its size and
// modification time: the same before and after a run that leaves it alone.
std::string FolderState(const std::string& folder);

}  // namespace vantor::test
