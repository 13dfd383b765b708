#include "printing/EscPosDevice.h"

#include <algorithm>
#include <cmath>

#include "printing/EscPos.h"
#include "printing/MonoBitmap.h"

namespace vantor {

namespace {

constexpr double kTwipsPerColumn = 144;

std::string CentredBlock(const std::string& commands) {
    return escpos::Centred(true) + commands + escpos::Centred(false);
}

}  // namespace

EscPosDevice::EscPosDevice(const ReceiptPaper& paper, Sender send)
    : paper_(paper), send_(std::move(send)) {}

void EscPosDevice::Text(int x, int y, const PrintFont& font, const std::string& text) {
    pieces_.push_back({y, x, font.bold, true, escpos::PrintableText(text)});
}

void EscPosDevice::Image(const Picture& picture, int /*x*/, int y, int /*width*/, int /*height*/) {
    if (!picture.dots) {
        throw PrintError("Impossible d'imprimer l'image \"" + picture.path +
                         "\" sur une imprimante de tickets : seules les images BMP le peuvent.");
    }
    // Made for the paper when the picture was loaded; another paper since is rare.
    const MonoBitmap& dots = *picture.dots;
    pieces_.push_back({y, 0, false, false,
                       CentredBlock(escpos::Raster(
                           dots.width == paper_.Dots() ? dots : Scaled(dots, paper_.Dots())))});
}

void EscPosDevice::QrCode(const std::string& text, int /*x*/, int y, int /*side*/) {
    const int moduleDots = paper_.widthMm == 58 ? 4 : 6;
    pieces_.push_back({y, 0, false, false, CentredBlock(escpos::QrCode(text, moduleDots))});
}

std::string EscPosDevice::Line(std::vector<Piece>::const_iterator first,
                               std::vector<Piece>::const_iterator last, bool& bold) const {
    const auto columns = static_cast<std::size_t>(paper_.Columns());
    std::string text;
    std::vector<bool> bolds;
    for (auto piece = first; piece != last; ++piece) {
        auto column = static_cast<std::size_t>(std::lround(piece->x / kTwipsPerColumn));
        for (char c : piece->bytes) {
            if (column >= columns) {
                break;
            }
            if (text.size() <= column) {
                text.resize(column + 1, ' ');
                bolds.resize(column + 1, false);
            }
            text[column] = c;
            bolds[column++] = piece->bold;
        }
    }
    text.erase(text.find_last_not_of(' ') + 1);
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Only ink shows the weight: spaces keep whatever weight is on.
        if (text[i] != ' ' && bolds[i] != bold) {
            bold = bolds[i];
            bytes += escpos::Bold(bold);
        }
        bytes += text[i];
    }
    return bytes + '\n';
}

std::string EscPosDevice::Bytes() const {
    std::vector<Piece> pieces = pieces_;
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const Piece& a, const Piece& b) { return a.y < b.y; });
    std::string bytes = escpos::Initialize() + escpos::SelectWindows1252();
    bool bold = false;
    for (auto piece = pieces.cbegin(); piece != pieces.cend();) {
        if (!piece->isText) {
            bytes += piece->bytes;
            ++piece;
            continue;
        }
        auto end = std::find_if(piece, pieces.cend(), [&](const Piece& other) {
            return !other.isText || other.y != piece->y;
        });
        bytes += Line(piece, end, bold);
        piece = end;
    }
    return bytes + escpos::FeedAndCut();
}

void EscPosDevice::End() {
    if (ended_) {
        return;
    }
    send_(Bytes());
    ended_ = true;
}

}  // namespace vantor
