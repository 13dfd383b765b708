#include "support/EscPosReader.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <stdexcept>

#include "data/Cp1252.h"

namespace vantor::test {

namespace {

// The bytes not read yet.
struct Input {
    std::string_view bytes;
    std::string_view Take(std::size_t count) {
        if (count > bytes.size()) {
            throw std::runtime_error("the bytes end inside a command");
        }
        const std::string_view taken = bytes.substr(0, count);
        bytes.remove_prefix(count);
        return taken;
    }
};

std::size_t At(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

// How many of the picture's dots are dark, and a hash (FNV-1a) of them.
std::string DotsSummed(std::string_view dots) {
    int dark = 0;
    std::uint32_t hash = 2166136261u;
    for (const char c : dots) {
        dark += __builtin_popcount(static_cast<unsigned char>(c));
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    char summed[40];
    std::snprintf(summed, sizeof summed, " dark %d hash %08x", dark, hash);
    return summed;
}

// The command after its ESC or GS byte, with its parameters.
std::string Command(const std::string& name, Input& input) {
    // "GS (" is "GS ( k" with the length of what follows; "GS v" a picture.
    static const std::map<std::string, std::size_t> kParameters = {
        {"ESC @", 0}, {"ESC t", 1}, {"ESC E", 1}, {"ESC a", 1},
        {"ESC p", 3}, {"GS V", 2},  {"GS v", 6},  {"GS (", 3}};
    const auto known = kParameters.find(name);
    std::string_view parameters = input.Take(known == kParameters.end() ? 0 : known->second);
    std::string shown = "<" + name;
    if (name == "GS (") {  // QR code: k, the length, then 49, the function and its bytes
        parameters = input.Take(At(parameters, 1) + 256 * At(parameters, 2));
        shown += " k";
    }
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        if (name == "GS (" && i == 2 && At(parameters, 1) == 80) {  // the text it holds
            shown += " \"" + std::string(parameters.substr(i)) + "\"";
            break;
        }
        shown += " " + std::to_string(At(parameters, i));
    }
    if (name == "GS v") {
        const std::size_t rowBytes = At(parameters, 2) + 256 * At(parameters, 3);
        shown += DotsSummed(input.Take(rowBytes * (At(parameters, 4) + 256 * At(parameters, 5))));
    }
    return shown + ">";
}

}  // namespace

std::string ReadEscPos(std::string_view bytes) {
    Input input{bytes};
    std::string text;
    while (!input.bytes.empty()) {
        const char byte = input.Take(1)[0];
        const bool lineStart = text.empty() || text.back() == '\n';
        if (byte == '\x1B' || byte == '\x1D') {
            const std::string name = (byte == '\x1B' ? "ESC " : "GS ") + std::string(input.Take(1));
            text += Command(name, input) + (lineStart ? "\n" : "");
        } else if (byte == '\n' || static_cast<unsigned char>(byte) >= 0x20) {
            text += byte;
        } else {
            text += "<" + std::to_string(byte) + ">";
        }
    }
    return Cp1252ToUtf8(text);
}

}  // namespace vantor::test
