#include "ledger/Tar.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vantor {

namespace {

constexpr std::size_t kBlock = 512;
constexpr std::size_t kSizeField = 124;
constexpr std::size_t kChecksumField = 148;

void Octal(char* field, std::size_t width, unsigned long long value) {
    std::snprintf(field, width, "%0*llo", static_cast<int>(width - 1), value);
}

unsigned Checksum(const char* header) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < kBlock; ++i) {
        const bool inField = i >= kChecksumField && i < kChecksumField + 8;
        sum += inField ? ' ' : static_cast<unsigned char>(header[i]);
    }
    return sum;
}

std::string Header(const TarMember& member) {
    std::string header(kBlock, '\0');
    char* h = header.data();
    std::memcpy(h, member.name.data(), std::min<std::size_t>(member.name.size(), 99));
    Octal(h + 100, 8, 0644);
    Octal(h + 108, 8, 0);
    Octal(h + 116, 8, 0);
    Octal(h + kSizeField, 12, member.bytes.size());
    Octal(h + 136, 12, 0);
    h[156] = '0';
    std::memcpy(h + 257, "ustar", 6);
    std::memcpy(h + 263, "00", 2);
    std::snprintf(h + kChecksumField, 8, "%06o", Checksum(h));
    return header;
}

std::size_t Padded(std::size_t size) {
    return (size + kBlock - 1) / kBlock * kBlock;
}

}  // namespace

std::string WriteTar(const std::vector<TarMember>& members) {
    std::string archive;
    for (const TarMember& member : members) {
        archive += Header(member);
        archive += member.bytes;
        archive.append(Padded(member.bytes.size()) - member.bytes.size(), '\0');
    }
    archive.append(2 * kBlock, '\0');
    return archive;
}

std::optional<std::vector<TarMember>> ReadTar(std::string_view archive) {
    std::vector<TarMember> members;
    std::size_t at = 0;
    while (at + kBlock <= archive.size()) {
        const char* h = archive.data() + at;
        if (std::all_of(h, h + kBlock, [](char c) { return c == '\0'; })) {
            return members;
        }
        const unsigned stored =
            std::strtoul(std::string(h + kChecksumField, 7).c_str(), nullptr, 8);
        const unsigned long long size =
            std::strtoull(std::string(h + kSizeField, 11).c_str(), nullptr, 8);
        if (stored != Checksum(h) || size > archive.size() - at - kBlock) {
            return std::nullopt;
        }
        TarMember member;
        member.name = std::string(h, strnlen(h, 100));
        member.bytes = std::string(archive.substr(at + kBlock, size));
        members.push_back(std::move(member));
        at += kBlock + Padded(size);
    }
    return std::nullopt;
}

}  // namespace vantor
