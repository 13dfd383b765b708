#pragma once

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

// What ReadTar found: the members, or why the archive is not one that
// WriteTar writes (in French).
struct TarContent {
    std::vector<TarMember> members;
    std::string problem;
};

// The members of an archive that WriteTar wrote, and only such an archive:
// each header must be, byte for byte, the one WriteTar writes for the
// member's name and size (a regular file, no link, no folder prefix, the
// same rights, owner and date), padding and end blocks zeros, nothing after.
// So no header field can change what an extraction makes beyond the name
// and size, which the archive's manifest covers.
TarContent ReadTar(std::string_view archive);

}  // namespace vantor
