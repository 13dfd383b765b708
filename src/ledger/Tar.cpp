#include "ledger/Tar.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vantor {

namespace {

constexpr std::size_t kBlock = 512;
constexpr std::size_t kSizeField = 124;
constexpr std::size_t kChecksumField = 148;
constexpr std::size_t kTypeField = 156;
constexpr std::size_t kPrefixField = 345;
constexpr std::size_t kNameWidth = 100;
constexpr std::size_t kPrefixWidth = 155;

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

std::string Header(std::string_view name, std::size_t size) {
    std::string header(kBlock, '\0');
    char* h = header.data();
    std::memcpy(h, name.data(), std::min<std::size_t>(name.size(), kNameWidth - 1));
    Octal(h + 100, 8, 0644);
    Octal(h + 108, 8, 0);
    Octal(h + 116, 8, 0);
    Octal(h + kSizeField, 12, size);
    Octal(h + 136, 12, 0);
    h[kTypeField] = '0';
    std::memcpy(h + 257, "ustar", 6);
    std::memcpy(h + 263, "00", 2);
    std::snprintf(h + kChecksumField, 8, "%06o", Checksum(h));
    return header;
}

std::size_t Padded(std::size_t size) {
    return (size + kBlock - 1) / kBlock * kBlock;
}

bool AllZeros(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '\0'; });
}

// The path an extraction makes of the header: the prefix, then the name.
std::string PathOf(const char* h) {
    const std::string name(h, strnlen(h, kNameWidth));
    const std::string prefix(h + kPrefixField, strnlen(h + kPrefixField, kPrefixWidth));
    return prefix.empty() ? name : prefix + "/" + name;
}

}  // namespace

std::string WriteTar(const std::vector<TarMember>& members) {
    std::string archive;
    for (const TarMember& member : members) {
        archive += Header(member.name, member.bytes.size());
        archive += member.bytes;
        archive.append(Padded(member.bytes.size()) - member.bytes.size(), '\0');
    }
    archive.append(2 * kBlock, '\0');
    return archive;
}

TarContent ReadTar(std::string_view archive) {
    TarContent content;
    const auto refused = [&](std::string problem) {
        content.members.clear();
        content.problem = std::move(problem);
        return content;
    };
    std::size_t at = 0;
    while (at + kBlock <= archive.size()) {
        const char* h = archive.data() + at;
        if (AllZeros(archive.substr(at, kBlock))) {
            if (at + 2 * kBlock > archive.size() || !AllZeros(archive.substr(at))) {
                return refused("données après la fin de l'archive");
            }
            return content;
        }
        const unsigned stored =
            std::strtoul(std::string(h + kChecksumField, 7).c_str(), nullptr, 8);
        const unsigned long long size =
            std::strtoull(std::string(h + kSizeField, 11).c_str(), nullptr, 8);
        if (stored != Checksum(h) || size > archive.size() - at - kBlock) {
            return refused("ce n'est pas une archive tar lisible");
        }
        const std::string path = PathOf(h);
        if (h[kTypeField] != '0' && h[kTypeField] != '\0') {
            return refused(path + " n'est pas un fichier ordinaire");
        }
        if (archive.substr(at, kBlock) != Header(path, size) || path.size() >= kNameWidth) {
            return refused("l'en-tête de " + path + " n'est pas celui qu'écrit Vantor");
        }
        const std::size_t padding = Padded(size) - size;
        if (!AllZeros(archive.substr(at + kBlock + size, padding))) {
            return refused("octets inattendus après " + path);
        }
        content.members.push_back({path, std::string(archive.substr(at + kBlock, size))});
        at += kBlock + Padded(size);
    }
    return refused("ce n'est pas une archive tar lisible");
}

}  // namespace vantor
