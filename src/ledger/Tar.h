#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// A file of a tar archive (POSIX ustar, regular files only).
struct TarMember {
    std::string name;  // at most 99 bytes
    std::string bytes;
};

std::string WriteTar(const std::vector<TarMember>& members);
// The members of a tar archive; nullopt when it is not one (bad header
// checksum, a size beyond its end).
std::optional<std::vector<TarMember>> ReadTar(std::string_view archive);

}  // namespace vantor
