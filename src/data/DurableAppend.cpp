#include "data/DurableAppend.h"

namespace vantor {

DurableAppendFile::DurableAppendFile(const std::string& path) : path_(path) {
    if (const int error = file_.Open(path, FileSystem::Mode::Append)) {
        throw SystemError("Écriture impossible", path, error);
    }
}

std::uint64_t DurableAppendFile::Size() const {
    std::uint64_t size = 0;
    if (const int error = file_.Size(size)) {
        throw SystemError("Écriture impossible", path_, error);
    }
    return size;
}

std::string DurableAppendFile::ReadRange(std::uint64_t offset, std::size_t count) const {
    return vantor::ReadRange(file_, path_, offset, count);
}

bool DurableAppendFile::EndsInsideALine() const {
    const std::uint64_t size = Size();
    return size > 0 && ReadRange(size - 1, 1) != "\n";
}

void DurableAppendFile::Append(std::string_view bytes) const {
    const std::uint64_t size = Size();
    int error = file_.Write(bytes);
    error = error != 0 ? error : file_.Flush();
    if (error == 0) {
        return;
    }
    // Cut back to the old end, so that no half record stays behind.
    if (file_.Truncate(size) != 0 || file_.Flush() != 0) {
        throw FileError("Écriture impossible '" + path_ + "' : " + SystemErrorText(error) +
                        " ; la fin du fichier n'a pas pu être effacée, elle peut contenir "
                        "un enregistrement incomplet");
    }
    throw SystemError("Écriture impossible", path_, error);
}

void AppendFileDurable(const std::string& path, std::string_view bytes) {
    DurableAppendFile(path).Append(bytes);
}

void CutFileDurable(const std::string& path, std::uint64_t size) {
    File file;
    int error = file.Open(path, FileSystem::Mode::Append);
    error = error != 0 ? error : file.Truncate(size);
    error = error != 0 ? error : file.Flush();
    if (error != 0) {
        throw SystemError("Écriture impossible", path, error);
    }
}

}  // namespace vantor
