#include "printing/ReceiptPicture.h"

#include <memory>

#include "data/TextFile.h"
#include "printing/MonoBitmap.h"

namespace vantor {

namespace {

constexpr std::uint64_t kMegabyte = 1024 * 1024;

// Why a picture of that size is refused; "" when it is not.
std::string SizeRefusal(int width, int height) {
    if (width > kMaxPictureSide || height > kMaxPictureSide) {
        return "elle mesure " + std::to_string(width) + " × " + std::to_string(height) +
               " pixels, " + std::to_string(kMaxPictureSide) + " au plus de chaque côté";
    }
    if (height > kMaxPictureTallness * static_cast<long long>(width)) {
        return "elle est plus de " + std::to_string(kMaxPictureTallness) +
               " fois plus haute que large";
    }
    if (width > kMaxPictureWideness * static_cast<long long>(height)) {
        return "elle est plus de " + std::to_string(kMaxPictureWideness) +
               " fois plus large que haute";
    }
    return "";
}

// The reason, or "" when the picture is taken (its dots then made).
std::string Check(Pictures& pictures, const std::string& path, int dots, Picture& picture) {
    const std::uint64_t bytes = FileSize(path);
    if (bytes > kMaxPictureBytes) {
        return "son fichier fait " + std::to_string((bytes + kMegabyte - 1) / kMegabyte) + " Mo, " +
               std::to_string(kMaxPictureBytes / kMegabyte) + " Mo au plus";
    }
    picture = pictures.Load(path);
    if (!picture.Loaded()) {
        return "ce n'est pas une image lisible";
    }
    if (std::string size = SizeRefusal(picture.width, picture.height); !size.empty()) {
        return size;
    }
    if (ReadRange(path, 0, 2) != "BM") {
        return "";
    }
    std::optional<MonoBitmap> bitmap = ReadBmp(ReadBytes(path), dots);
    if (!bitmap) {
        return "ce BMP n'est pas lisible (abîmé, compressé ou de 16 bits : seuls les BMP non "
               "compressés de 1, 4, 8, 24 ou 32 bits le sont)";
    }
    picture.dots = std::make_shared<const MonoBitmap>(std::move(*bitmap));
    return "";
}

}  // namespace

LoadedPicture LoadReceiptPicture(Pictures& pictures, const std::string& path, int dots) {
    LoadedPicture loaded;
    std::string reason;
    try {
        reason = Check(pictures, path, dots, loaded.picture);
    } catch (const FileError& error) {
        reason = error.what();
    }
    if (!reason.empty()) {
        loaded.picture = Picture{};
        loaded.refusal = "L'image \"" + path + "\" n'est pas utilisée : " + reason + ".";
    }
    return loaded;
}

}  // namespace vantor
