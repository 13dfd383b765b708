#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// Every open, read, write, flush, rename and delete of the data files goes
// through here: the system's own calls in a run, a file system that fails
// on purpose in the tests of what a failure at each step leaves behind.
// Each operation returns 0 or the system's error number (errno).
class FileSystem {
public:
    using Handle = std::intptr_t;
    static constexpr Handle kNoHandle = -1;
    enum class Mode {
        Read,
        Append,  // read, and written at the end; created when missing, EISDIR for a folder
        // A new file for writing, only where the name is free: EEXIST when
        // anything has it, a symbolic link too, which is never followed.
        CreateNew,
        // An existing file, read and written in place (WriteAt): ENOENT when
        // missing, EISDIR for a folder.
        Update,
    };
    // Who may read a file created here. A data file gets what the user's
    // umask leaves of read and write for all; a private one (a key) is the
    // owner's alone from its first byte. Windows: the folder's rights apply.
    enum class Access {
        Shared,
        Owner,
    };

    virtual ~FileSystem() = default;

    virtual int Open(const std::string& path, Mode mode, Handle& handle) = 0;
    // A new file for writing; the six X that end path are replaced by what
    // makes the name unique. Never an existing file, nor a link.
    virtual int CreateTemporary(std::string& path, Access access, Handle& handle) = 0;
    virtual int Size(Handle handle, std::uint64_t& size) = 0;
    // Up to size bytes at offset; got 0 at the end of the file.
    virtual int ReadAt(Handle handle, char* buffer, std::size_t size, std::uint64_t offset,
                       std::size_t& got) = 0;
    // All the bytes, or an error (some of them may have been written).
    virtual int Write(Handle handle, std::string_view bytes) = 0;
    // The same at offset, over what the file holds there (a file opened to Update).
    virtual int WriteAt(Handle handle, std::string_view bytes, std::uint64_t offset) = 0;
    // Down to the disk.
    virtual int Flush(Handle handle) = 0;
    // Starts writing the file's bytes to the disk without waiting for them, so
    // that a later Flush has less to wait for; nothing where the system has no
    // such call (its own writer then starts when it will).
    virtual int StartFlush(Handle) { return 0; }
    virtual int Truncate(Handle handle, std::uint64_t size) = 0;
    virtual int Close(Handle handle) = 0;
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;
    // The folder's entries (a rename in it) down to the disk.
    virtual int FlushFolder(const std::string& folder) = 0;
    // A new folder, only where the name is free (EEXIST otherwise). A private
    // one is the owner's alone from the start (a password passed to another
    // program). Windows: the parent's rights apply, the user's own under the
    // user's temporary folder.
    virtual int CreateFolder(const std::string& path, Access access) = 0;
};

// The name of the file a probe creates and removes: this and six unique characters.
inline constexpr std::string_view kProbePrefix = ".vantor-probe-";

// 0 when a file can be created in the folder and removed again, else the
// error of the step that failed. Asks the file system itself rather than the
// folder's permission bits, which say nothing on some systems (and nothing
// to an administrator).
int ProbeWritableFolder(const std::string& folder);

// The file system the data files go through.
FileSystem& Files();
// The system's own.
FileSystem& SystemFiles();

// Makes Files() another file system for the life of this object (tests).
class UseFileSystem {
public:
    explicit UseFileSystem(FileSystem& files);
    ~UseFileSystem();
    UseFileSystem(const UseFileSystem&) = delete;
    UseFileSystem& operator=(const UseFileSystem&) = delete;

private:
    FileSystem* previous_;
};

// An open file of Files(), closed when it goes out of scope.
class File {
public:
    File() = default;
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;

    // 0 or the error number; the file is open only on 0.
    int Open(const std::string& path, FileSystem::Mode mode);
    int CreateTemporary(std::string& path, FileSystem::Access access);

    bool IsOpen() const { return handle_ != FileSystem::kNoHandle; }
    int Size(std::uint64_t& size) const;
    int ReadAt(char* buffer, std::size_t size, std::uint64_t offset, std::size_t& got) const;
    int Write(std::string_view bytes) const;
    int WriteAt(std::string_view bytes, std::uint64_t offset) const;
    int Flush() const;
    int StartFlush() const;
    int Truncate(std::uint64_t size) const;
    // Closes now, for the error a close may report; the file is closed either way.
    int Close();

private:
    FileSystem* files_ = nullptr;
    FileSystem::Handle handle_ = FileSystem::kNoHandle;
};

}  // namespace vantor
