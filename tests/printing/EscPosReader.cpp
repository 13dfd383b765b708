#include "printing/EscPosReader.h"

#include <cstdint>
#include <sstream>
#include <stdexcept>

#include "data/Cp1252.h"

namespace vantor::test {

namespace {

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    std::string Read();

private:
    std::string_view Take(std::size_t count) {
        if (at_ + count > bytes_.size()) {
            throw std::runtime_error("the bytes end inside a command");
        }
        at_ += count;
        return bytes_.substr(at_ - count, count);
    }
    int Byte() { return static_cast<unsigned char>(Take(1)[0]); }
    int Word() {  // low byte first
        const int low = Byte();
        return low | Byte() << 8;
    }
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error(what + " at byte " + std::to_string(at_));
    }
    void EndLine();
    void Command(int prefix);
    void Raster();
    void Qr();

    std::string_view bytes_;
    std::size_t at_ = 0;
    std::ostringstream out_;
    std::string line_;
    std::string bolds_;  // per letter: '^' bold, '.' normal, ' ' a space
    bool bold_ = false;
    std::string qr_;  // the symbol's settings, printed with it
};

void Reader::EndLine() {
    const bool anyBold = bolds_.find('^') != std::string::npos;
    const bool anyNormal = bolds_.find('.') != std::string::npos;
    out_ << (anyBold && !anyNormal ? 'B' : ' ') << '|' << Cp1252ToUtf8(line_) << '\n';
    if (anyBold && anyNormal) {
        for (char& c : bolds_) {
            c = c == '^' ? '^' : ' ';
        }
        out_ << " |" << bolds_.substr(0, bolds_.find_last_of('^') + 1) << '\n';
    }
    line_.clear();
    bolds_.clear();
}

// ESC (0x1B) and GS (0x1D) commands.
void Reader::Command(int prefix) {
    const int command = prefix << 8 | Byte();
    if (command == (0x1B00 | '@')) {
        out_ << "init\n";
        bold_ = false;
    } else if (command == (0x1B00 | 't')) {
        out_ << "code page " << Byte() << '\n';
    } else if (command == (0x1B00 | 'E')) {
        bold_ = (Byte() & 1) != 0;
    } else if (command == (0x1B00 | 'a')) {
        out_ << (Byte() == 1 ? "centre\n" : "left\n");
    } else if (command == (0x1B00 | 'p')) {
        const int pin = Byte() == 0 ? 2 : 5;
        const int on = Byte();
        out_ << "drawer pin " << pin << ", " << 2 * on << " ms on, " << 2 * Byte() << " ms off\n";
    } else if (command == (0x1D00 | 'V') && Byte() == 66) {
        out_ << "feed " << Byte() << " and cut\n";
    } else if (command == (0x1D00 | 'v')) {
        Raster();
    } else if (command == (0x1D00 | '(') && Byte() == 'k') {
        Qr();
    } else {
        Fail("unknown command " + std::to_string(command));
    }
}

void Reader::Raster() {
    if (Byte() != '0' || Byte() != 0) {
        Fail("GS v other than 0 in normal size");
    }
    const int rowBytes = Word();
    const int rows = Word();
    int dark = 0;
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (char c : Take(static_cast<std::size_t>(rowBytes) * rows)) {
        dark += __builtin_popcount(static_cast<unsigned char>(c));
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    out_ << "raster " << rowBytes * 8 << 'x' << rows << " dark " << dark << " hash " << std::hex
         << hash << std::dec << '\n';
}

void Reader::Qr() {
    const std::string_view body = Take(static_cast<std::size_t>(Word()));
    if (body.size() < 3 || body[0] != 49) {
        Fail("GS ( k for a symbol other than QR");
    }
    const int fn = body[1];
    if (fn == 65) {
        qr_ = "qr model " + std::to_string(body[2] - 48);
    } else if (fn == 67) {
        qr_ += " module " + std::to_string(body[2]);
    } else if (fn == 69) {
        qr_ += std::string(" level ") + "LMQH"[body[2] - 48];
    } else if (fn == 80) {
        qr_ += " \"" + std::string(body.substr(3)) + "\"";
    } else if (fn == 81) {
        out_ << qr_ << '\n';
    } else {
        Fail("unknown QR function " + std::to_string(fn));
    }
}

std::string Reader::Read() {
    while (at_ < bytes_.size()) {
        const int byte = Byte();
        if (byte == 0x1B || byte == 0x1D) {
            Command(byte);
        } else if (byte == '\n') {
            EndLine();
        } else if (byte < 0x20) {
            Fail("control byte " + std::to_string(byte));
        } else {
            line_ += static_cast<char>(byte);
            bolds_ += byte == ' ' ? ' ' : (bold_ ? '^' : '.');
        }
    }
    if (!line_.empty()) {
        Fail("text not ended by a line feed");
    }
    return out_.str();
}

}  // namespace

std::string ReadEscPos(std::string_view bytes) {
    return Reader(bytes).Read();
}

}  // namespace vantor::test
