#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

// A file's bytes, mapped into memory read-only for as long as the object
// lives: the journal is read where it lies, without a copy.
class MappedFile {
public:
    // Throws FileError when the file cannot be opened.
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view Bytes() const { return {data_, size_}; }

private:
    const char* data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
    std::string copy_;  // when the file cannot be mapped
};

}  // namespace vantor
