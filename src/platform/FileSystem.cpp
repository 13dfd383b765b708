#include "platform/FileSystem.h"

#include <cerrno>
#include <utility>

namespace vantor {

namespace {

FileSystem* current = nullptr;

}  // namespace

FileSystem& Files() {
    return current != nullptr ? *current : SystemFiles();
}

int ProbeWritableFolder(const std::string& folder) {
    std::string path = folder + "/" + std::string(kProbePrefix) + "XXXXXX";
    FileSystem::Handle handle = FileSystem::kNoHandle;
    int error = Files().CreateTemporary(path, FileSystem::Access::Shared, handle);
    if (error != 0) {
        return error;
    }
    error = Files().Close(handle);
    const int removed = Files().Remove(path);
    // Already gone: the start that holds the folder removed it as a leftover.
    return error != 0 ? error : removed == ENOENT ? 0 : removed;
}

UseFileSystem::UseFileSystem(FileSystem& files) : previous_(std::exchange(current, &files)) {}

UseFileSystem::~UseFileSystem() {
    current = previous_;
}

File::~File() {
    Close();
}

File::File(File&& other) noexcept
    : files_(other.files_), handle_(std::exchange(other.handle_, FileSystem::kNoHandle)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        files_ = other.files_;
        handle_ = std::exchange(other.handle_, FileSystem::kNoHandle);
    }
    return *this;
}

int File::Open(const std::string& path, FileSystem::Mode mode) {
    Close();
    files_ = &Files();
    return files_->Open(path, mode, handle_);
}

int File::CreateTemporary(std::string& path, FileSystem::Access access) {
    Close();
    files_ = &Files();
    return files_->CreateTemporary(path, access, handle_);
}

int File::Size(std::uint64_t& size) const {
    return files_->Size(handle_, size);
}

int File::ReadAt(char* buffer, std::size_t size, std::uint64_t offset, std::size_t& got) const {
    return files_->ReadAt(handle_, buffer, size, offset, got);
}

int File::Write(std::string_view bytes) const {
    return files_->Write(handle_, bytes);
}

int File::WriteAt(std::string_view bytes, std::uint64_t offset) const {
    return files_->WriteAt(handle_, bytes, offset);
}

int File::Flush() const {
    return files_->Flush(handle_);
}

int File::StartFlush() const {
    return files_->StartFlush(handle_);
}

int File::Truncate(std::uint64_t size) const {
    return files_->Truncate(handle_, size);
}

int File::Close() {
    if (!IsOpen()) {
        return 0;
    }
    return files_->Close(std::exchange(handle_, FileSystem::kNoHandle));
}

}  // namespace vantor
