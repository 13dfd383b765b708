#pragma once

#include "platform/Services.h"

namespace vantor {

// The natural size of a picture read from its file's header, without any
// toolkit: BMP (the till's logos and QR pictures), PNG and GIF. Any other
// file is not a picture.
class HeaderPictures : public Pictures {
public:
    Picture Load(const std::string& path) override;
};

}  // namespace vantor
