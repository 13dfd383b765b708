#pragma once

#include "platform/Services.h"

namespace vantor {

// Reads the natural size of an image file with QImageReader.
class QtPictures : public Pictures {
public:
    Picture Load(const std::string& path) override;
};

}  // namespace vantor
