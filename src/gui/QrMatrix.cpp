#include "gui/QrMatrix.h"

#include <qrencode.h>

#include <cerrno>
#include <memory>

#include "data/SystemErrors.h"
#include "platform/PageDevice.h"

namespace vantor {

QrMatrix::QrMatrix(const std::string& text) {
    errno = 0;
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(text.c_str(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code) {
        const int reason = errno;
        throw PrintError("Impossible de créer le QR code : " +
                         std::string(reason == ERANGE   ? "texte trop long"
                                     : reason == EINVAL ? "texte vide"
                                     : reason != 0      ? SystemErrorText(reason)
                                                        : "erreur inconnue") +
                         ".");
    }
    width_ = code->width;
    const auto modules = static_cast<std::size_t>(width_) * static_cast<std::size_t>(width_);
    dark_.reserve(modules);
    for (std::size_t i = 0; i < modules; ++i) {
        dark_.push_back((code->data[i] & 1) != 0);
    }
}

bool QrMatrix::Dark(int column, int row) const {
    return dark_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(column)];
}

}  // namespace vantor
