#include "reports/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "data/TextFile.h"

namespace vantor {

MappedFile::MappedFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw FileError(path + " : " + std::strerror(errno));
    }
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        size_ = static_cast<std::size_t>(status.st_size);
        void* map = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (map != MAP_FAILED) {
            ::madvise(map, size_, MADV_SEQUENTIAL);
            data_ = static_cast<const char*>(map);
            mapped_ = true;
        }
    }
    ::close(fd);
    if (!mapped_) {
        copy_ = ReadBytes(path);
        data_ = copy_.data();
        size_ = copy_.size();
    }
}

MappedFile::~MappedFile() {
    if (mapped_) {
        ::munmap(const_cast<char*>(data_), size_);
    }
}

}  // namespace vantor
